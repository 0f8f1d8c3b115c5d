#pragma once

#include "platform/nocanceldialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace kalvor {

class DirectoryList;

// Picks a program file ("Program to run") or a starting folder ("Starting Directory") from
// drive, folder and file lists, and writes the choice into the editor's box on OK.
class Form4 : public platform::NoCancelDialog {
    Q_OBJECT
public:
    static constexpr const char* kProgramCaption = "Program to run";
    static constexpr const char* kDirectoryCaption = "Starting Directory";
    static constexpr const char* kExecutablePatterns = "*.com;*.EXE;*.PIF;*.BAT";

    // `target` receives the result; the caption, set before showing, chooses the mode.
    explicit Form4(QLineEdit* target, QWidget* parent = nullptr);

    // A file in a folder, with one separator also after a root folder.
    static QString joinPath(const QString& folder, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseDrive(int index);
    void fillFiles();
    QString selectedFile() const;
    void ok();

    QLineEdit* target_;
    QComboBox* Drive1_;
    DirectoryList* Dir1_;
    QListWidget* File1_;
    QComboBox* Combo1_;
    QLineEdit* fnme_;
    QString pattern_; // empty: all files
    bool executables_ = false;
};

} // namespace kalvor
