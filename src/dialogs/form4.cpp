#include "form4.h"

#include "directorylist.h"

#include "platform/twips.h"
#include "platform/widgetplacement.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStorageInfo>

namespace kalvor {

namespace {

using platform::place;
using platform::toPixels;

QLabel* boldLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width, int height) {
    auto* label = place(new QLabel(QLatin1String(text), parent), name, left, top, width, height);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(8.25);
    label->setFont(font);
    return label;
}

// The mounted volumes, the root folder first: it stands for the drive every system has.
QStringList volumes() {
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    return roots;
}

} // namespace

Form4::Form4(QLineEdit* target, QWidget* parent) : NoCancelDialog(parent), target_(target) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Form4"));
    resize(toPixels(5775), toPixels(3120));
    move(toPixels(4200), toPixels(3180));

    Drive1_ = place(new QComboBox(this), "Drive1", 2100, 2730, 2115, 315);
    Dir1_ = place(new DirectoryList(this), "Dir1", 2100, 255, 2115, 2055);
    File1_ = place(new QListWidget(this), "File1", 105, 630, 1905, 1815);
    Combo1_ = place(new QComboBox(this), "Combo1", 105, 2730, 1905, 315);
    Combo1_->setEditable(true);
    Combo1_->setInsertPolicy(QComboBox::NoInsert);
    Combo1_->addItem(QStringLiteral("All Files"));
    Combo1_->addItem(QStringLiteral("Executeable Files"));
    Combo1_->setCurrentIndex(-1);
    Combo1_->setEditText(QStringLiteral("All Files (*.*)"));
    Combo1_->lineEdit()->installEventFilter(this);
    Combo1_->installEventFilter(this);
    boldLabel(this, "Label1", "List files of type:", 105, 2520, 1485, 225);
    boldLabel(this, "Label2", "Drives:", 2100, 2520, 1800, 225);
    fnme_ = place(new QLineEdit(this), "fnme", 105, 255, 1905, 285);
    boldLabel(this, "Label3", "Filename:", 105, 50, 1590, 225);
    boldLabel(this, "Label4", "Folder:", 2205, 50, 1590, 225);
    auto* okButton = place(new QPushButton(QStringLiteral("OK"), this), "Command1", 4410, 210, 1170, 330);
    auto* cancelButton = place(new QPushButton(QStringLiteral("Cancel"), this), "Command2", 4410, 735, 1170, 330);
    for (QPushButton* button : {okButton, cancelButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    QWidget* order[] = {Drive1_, Dir1_, File1_, Combo1_, fnme_, okButton, cancelButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    Drive1_->addItems(volumes());
    const QString current = QDir::currentPath();
    int drive = 0;
    for (int i = 1; i < Drive1_->count(); ++i)
        if (current.startsWith(Drive1_->itemText(i)) && Drive1_->itemText(i).size() > Drive1_->itemText(drive).size())
            drive = i;
    Drive1_->setCurrentIndex(drive);
    connect(Dir1_, &DirectoryList::pathChanged, this, &Form4::fillFiles);
    if (!Dir1_->setPath(current))
        Dir1_->setPath(Drive1_->itemText(drive));
    connect(Drive1_, &QComboBox::currentIndexChanged, this, &Form4::chooseDrive);

    connect(File1_, &QListWidget::itemClicked, this, [this] { fnme_->setText(selectedFile()); });
    connect(File1_, &QListWidget::itemDoubleClicked, this, [this] {
        fnme_->setText(selectedFile());
        ok();
    });
    connect(Combo1_, &QComboBox::activated, this, [this](int index) {
        pattern_ = index == 0 ? QStringLiteral("*.*") : QLatin1String(kExecutablePatterns);
        executables_ = index != 0;
        fillFiles();
    });
    connect(okButton, &QPushButton::clicked, this, &Form4::ok);
    connect(cancelButton, &QPushButton::clicked, this, [this] {
        fnme_->clear();
        reject();
    });
}

QString Form4::joinPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

void Form4::chooseDrive(int index) {
    // A volume that cannot be opened falls back to the root folder, without a message.
    if (!Dir1_->setPath(Drive1_->itemText(index)) && index != 0)
        Drive1_->setCurrentIndex(0);
}

void Form4::fillFiles() {
    File1_->clear();
    QDir dir(Dir1_->path());
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    QList<QRegularExpression> patterns;
    for (const QString& p : pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        // "*.*" matches every name, with or without a dot, as it always has.
        const QString glob = p == QLatin1String("*.*") ? QStringLiteral("*") : p;
        patterns << QRegularExpression(QRegularExpression::wildcardToRegularExpression(glob),
                                       QRegularExpression::CaseInsensitiveOption);
    }
    for (const QFileInfo& file : files) {
        bool shown = patterns.isEmpty();
        for (const QRegularExpression& re : patterns)
            shown = shown || re.match(file.fileName()).hasMatch();
#ifndef Q_OS_WIN
        // Programs here are marked executable rather than named by their ending.
        shown = shown || (executables_ && file.isExecutable());
#endif
        if (shown)
            File1_->addItem(file.fileName());
    }
}

QString Form4::selectedFile() const {
    const QListWidgetItem* item = File1_->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void Form4::ok() {
    if (windowTitle() == QLatin1String(kProgramCaption)) {
        if (fnme_->text().isEmpty())
            return;
        target_->setText(joinPath(Dir1_->path(), selectedFile()));
    } else {
        target_->setText(Dir1_->path());
    }
    accept();
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Combo1_ || watched == Combo1_->lineEdit()) && event->type() == QEvent::KeyPress) {
        // The file type is chosen from the list only.
        return platform::editsPickList(*static_cast<QKeyEvent*>(event));
    }
    return NoCancelDialog::eventFilter(watched, event);
}

} // namespace kalvor
