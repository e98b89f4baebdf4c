#pragma once
// Every message box the program shows goes through this interface: the windows show real ones,
// a test answers them without a person. Texts are UTF-8; a carriage return separates two lines.

#include <string_view>

namespace lumitrak {

enum class YesNoLater { Yes, No, Later };

struct MessageBoxes {
    virtual ~MessageBoxes() = default;
    // A modal box with one OK button and no icon.
    virtual void showMessage(std::string_view title, std::string_view text) = 0;
    // OK (the default) and Cancel; true for OK. Escape or the close box count as Cancel.
    virtual bool askOkCancel(std::string_view title, std::string_view text) = 0;
    // Retry (the default) and Cancel; true for Retry. Escape or the close box count as Cancel.
    virtual bool askRetryCancel(std::string_view title, std::string_view text) = 0;
    // Yes and No; true for Yes. `yesByDefault` makes Yes the default button, otherwise No is.
    // Escape or the close box count as No.
    virtual bool askYesNo(std::string_view title, std::string_view text, bool yesByDefault) = 0;
    // Yes (the default), No and Cancel; Escape, the close box and Cancel give Later.
    virtual YesNoLater askYesNoLater(std::string_view title, std::string_view text) = 0;
};

}  // namespace lumitrak
