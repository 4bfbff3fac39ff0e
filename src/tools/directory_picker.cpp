#include "tools/directory_picker.h"

namespace tools {

DirectoryPicker::DirectoryPicker(ui::Application& application) : ToolWindow(application, kDirectoryPickerShape) {}

}  // namespace tools
