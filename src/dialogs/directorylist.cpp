#include "directorylist.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

namespace kalvor {

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryList::openItem);
}

bool DirectoryList::setPath(const QString& path) {
    const QFileInfo info(path);
    QDir dir(info.absoluteFilePath());
    if (!info.isDir() || !dir.isReadable() || !dir.exists())
        return false;
    const QString canonical = dir.canonicalPath();
    QStringList chain;
    for (QDir up(canonical);;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    clear();
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(kPathRole, folder);
        ++depth;
    }
    QListWidgetItem* open = item(count() - 1);
    QFont bold = open->font();
    bold.setBold(true);
    open->setFont(bold);
    dir.setPath(canonical);
    const QFileInfoList children = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + child.fileName(), this);
        item->setData(kPathRole, child.absoluteFilePath());
    }
    setCurrentItem(open);
    path_ = canonical;
    emit pathChanged(path_);
    return true;
}

void DirectoryList::openItem(QListWidgetItem* item) {
    if (item)
        setPath(item->data(kPathRole).toString());
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace kalvor
