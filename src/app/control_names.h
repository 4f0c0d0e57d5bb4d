#pragma once

#include <cstddef>
#include <string_view>

namespace tolvar::app {

// Every named control of the window, in the order the layout creates them. The
// names are the controls' objectNames; handlers and tables name controls by
// these enumerators, so a misspelt name does not compile.
#define TOLVAR_CONTROLS(X)                                                                         \
  X(Frame1)                                                                                        \
  X(Frame4)                                                                                        \
  X(Frame5)                                                                                        \
  X(Frame10) X(Frame3) X(Frame2) X(Frame6) X(Frame7) X(Frame8) X(Frame9) X(Frame13) X(Frame14) X(  \
      Frame17) X(Frame15) X(Frame16) X(Frame18) X(Frame11) X(Frame12) X(Frame19) X(Label2_0)       \
      X(Text7) X(Label2_1) X(Text8) X(Label8) X(Label4) X(Option1) X(Option2) X(Option13) X(Text9) \
          X(Command1) X(Text2) X(Label5) X(Option8) X(Option7) X(Label2_3) X(Text10) X(Command2)   \
              X(Text3) X(Label10) X(Label11) X(Text18) X(Command5) X(Text19) X(Label3) X(Label2_5) \
                  X(Text12) X(Label2_4) X(Text11) X(Label7) X(Text6) X(Command4) X(Text4)          \
                      X(Label2_7) X(Text15) X(Label2_6) X(Text1) X(Label9) X(Label2_9) X(Text16)   \
                          X(Label2_8) X(Text17) X(Option4) X(Option14) X(Option3) X(Label14)       \
                              X(Option5) X(Option15) X(Option6) X(Text13) X(Command3) X(Text14)    \
                                  X(Label6) X(Label12) X(Text20) X(Command6) X(Label13) X(Text21)  \
                                      X(Text30) X(Text34) X(Text36) X(Text37) X(Text33) X(Text32)  \
                                          X(Text31) X(Text35) X(Text38) X(Text39) X(Command8)      \
                                              X(Text5) X(Option9) X(Option10) X(Label16) X(Text23) \
                                                  X(Label17) X(Text24) X(Label21) X(Text28)        \
                                                      X(Label22) X(Text29) X(Label19) X(Text26)    \
                                                          X(Label36) X(HScroll1) X(Combo2)         \
                                                              X(Text22) X(Option16) X(Option11)    \
                                                                  X(Text40) X(Label18) X(Text25)   \
                                                                      X(Label20) X(Text27)         \
                                                                          X(Label34) X(Combo1)     \
                                                                              X(Text41) X(Label23) \
                                                                                  X(Command9)      \
                                                                                      X(Command7)

enum class Control {
#define TOLVAR_ENUMERATOR(name) name,
  TOLVAR_CONTROLS(TOLVAR_ENUMERATOR)
#undef TOLVAR_ENUMERATOR
};

inline constexpr std::string_view kControlNames[] = {
#define TOLVAR_NAME(name) #name,
    TOLVAR_CONTROLS(TOLVAR_NAME)
#undef TOLVAR_NAME
};

inline constexpr std::size_t kControlCount = std::size(kControlNames);

// The control's objectName.
constexpr std::string_view NameOf(Control control) {
  return kControlNames[static_cast<std::size_t>(control)];
}

}  // namespace tolvar::app
