#pragma once

#include <string>

namespace kalvor {

// Message boxes described by a numeric style: the sum of a button set, an icon, a default button
// and a modality.
namespace MessageStyle {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
inline constexpr int SystemModal = 4096;
} // namespace MessageStyle

// The button a message box was closed with.
enum class MessageAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and waits until the user closes it. Texts are UTF-8.
    virtual MessageAnswer show(const std::string& text, const std::string& title, int style) = 0;
};

} // namespace kalvor
