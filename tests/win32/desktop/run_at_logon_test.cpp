// The Run value, kept in a scratch key of the test's own under the user's
// hive, read back as the shell would read it at logon.
#include "desktop/run_at_logon.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/window.h"

namespace {

constexpr wchar_t kScratchKey[] = L"Software\\Kestrel 99 tests\\Run";
constexpr wchar_t kOtherCopy[] = L"\"C:\\Other place\\Kestrel99.exe\"";

class RunAtLogonTest : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kestrel 99 tests"); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kestrel 99 tests"); }

  void Store(const wchar_t* command) const {
    const DWORD bytes = static_cast<DWORD>((wcslen(command) + 1) * sizeof(wchar_t));
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kScratchKey, desktop::kRunValueName, REG_SZ, command, bytes),
              ERROR_SUCCESS);
  }

  const desktop::RunAtLogon run{kScratchKey};
};

TEST_F(RunAtLogonTest, OnWritesTheQuotedProgramPathAndOffRemovesOnlyThisProgramsValue) {
  wchar_t module[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  const std::wstring quoted = L"\"" + std::wstring(module) + L"\"";

  run.KeepInStep(false);
  EXPECT_FALSE(run.StoredCommand()) << "off with no value touches nothing";

  run.KeepInStep(true);
  wchar_t stored[MAX_PATH + 2] = L"";
  DWORD type = 0;
  DWORD bytes = sizeof(stored);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kScratchKey, L"Kestrel 99", RRF_RT_ANY, &type, stored, &bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(stored, quoted);

  // A value that starts another copy is taken over while the option is on,
  Store(kOtherCopy);
  run.KeepInStep(true);
  EXPECT_EQ(run.StoredCommand(), quoted);
  // and left to that copy while it is off.
  Store(kOtherCopy);
  run.KeepInStep(false);
  EXPECT_EQ(run.StoredCommand(), kOtherCopy);

  // This program's value goes, however its path is spelt.
  CharUpperW(module);
  Store(module);
  run.KeepInStep(false);
  EXPECT_FALSE(run.StoredCommand());
}

TEST_F(RunAtLogonTest, RefusedWriteGivesTheSystemsReason) {
  // A volatile key takes no lasting key below it.
  HKEY parent = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Kestrel 99 tests", 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &parent, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(parent);
  try {
    run.KeepInStep(true);
    FAIL() << "the write went through";
  } catch (const ui::UserError& error) {
    EXPECT_NE(error.Text().find(ui::SystemErrorText(ERROR_CHILD_MUST_BE_VOLATILE)), std::wstring::npos)
        << error.Text();
  }
}

}  // namespace
