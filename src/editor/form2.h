#pragma once

#include "engine/eventrec.h"

#include "platform/nocanceldialog.h"
#include <QPersistentModelIndex>

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace kalvor {

class EditorHost;

// The event editor: one event's description, next occurrence, repeat rule, excluded weekdays and
// action (a page of its tabs each: mail, display, run). Its caption says whether OK adds a new
// event or stores the edited one.
class Form2 : public platform::NoCancelDialog {
    Q_OBJECT
public:
    static constexpr const char* kAddCaption = "Add Event";
    static constexpr const char* kEditCaption = "Edit Event";

    explicit Form2(EditorHost& host, QWidget* parent = nullptr);

    // Empties every field for a new opening; the add mode shows the "Display Message" page.
    void reset(bool adding);
    // Fills the fields from a stored event, to be written back to `row`'s record.
    void fill(const eventrec& record, const QPersistentModelIndex& row);

    // The date and time boxes as one date-time; 0 (after a message where they cannot be read).
    double mydate();
    QString mytime2(double tme) const;
    // The excluded-days mask of the seven weekday boxes.
    int mydays() const;
    // The recipients joined by ";".
    QString mytos() const;
    // Checks every recipient with the mail system: 0 when all resolve, 1 after a message.
    int ckaddress();

    // The control last right-clicked, for "What's This?".
    QWidget* thiscontrol = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildSharedFields();
    void buildMailPage();
    void buildDisplayPage();
    void buildRunPage();
    void setHelp(QWidget* widget, int topic, bool rightClickMenu);
    void applyRepeatUnitRule();
    void showPage(int page);
    void save();
    void cancel();
    void browse(bool forProgram);
    void addressBook();
    bool refuse(const QString& text);
    void keepPosition();

    EditorHost& host_;
    QPersistentModelIndex row_;

    QTabWidget* mytab_;
    QLineEdit* mydesc_;
    QLineEdit* occ_;
    QComboBox* rep_;
    QGroupBox* Frame1_;
    QLineEdit* tme_;
    QLineEdit* dte_;
    QGroupBox* Frame2_;
    std::array<QCheckBox*, 7> cday_{};
    QCheckBox* miss_;
    std::array<QPlainTextEdit*, 2> txt_{};
    QPushButton* Command1_;
    QLineEdit* who_;
    QListWidget* List1_;
    QLineEdit* cmd_;
    QLineEdit* start_;
    QComboBox* styl_;
    QMenu* myclick_;
    std::array<QList<QWidget*>, 3> pageControls_;
};

} // namespace kalvor
