#include "app/forms.h"

namespace app {

TSplashForm* SplashForm = nullptr;
TForm1* Form1 = nullptr;
history::TForm2* Form2 = nullptr;
tools::TForm3* Form3 = nullptr;
tools::TForm5* Form5 = nullptr;
about::TForm7* Form7 = nullptr;
settings::TForm6* Form6 = nullptr;
tools::TForm9* Form9 = nullptr;
tools::TForm10* Form10 = nullptr;

}  // namespace app
