// The program-wide window variables: every window has exactly one instance,
// created once at start-up, reachable from anywhere by its name.
#pragma once

namespace history {
class TForm2;
}
namespace tools {
class TForm3;
class TForm5;
class TForm9;
class TForm10;
}  // namespace tools
namespace settings {
class TForm6;
}
namespace about {
class TForm7;
}

namespace app {

class TSplashForm;
class TForm1;

extern TSplashForm* SplashForm;
extern TForm1* Form1;
extern history::TForm2* Form2;
extern tools::TForm3* Form3;
extern tools::TForm5* Form5;
extern about::TForm7* Form7;
extern settings::TForm6* Form6;
extern tools::TForm9* Form9;
extern tools::TForm10* Form10;

}  // namespace app
