#pragma once

#include <QListWidget>

namespace kalvor {

// A directory list: the folders from the root down to the open one, then the open one's
// subfolders. Double-clicking a folder (or Enter on it) opens it.
class DirectoryList : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Opens a folder; false, with nothing changed, when it cannot be read.
    bool setPath(const QString& path);

signals:
    void pathChanged(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openItem(QListWidgetItem* item);

    QString path_;
};

} // namespace kalvor
