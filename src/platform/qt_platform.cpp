// The desktop's services through Qt: message boxes, beep, help window, browser.
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTreeView>
#include <QUrl>

#include <memory>

namespace zel {
namespace {

QMessageBox::Icon BoxIcon(Icon icon) {
    switch (icon) {
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
    delete help_;
}

QWidget *QtPlatform::activeOwner() const {
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    if (QWidget *w = QApplication::activeWindow())
        return w;
    return owner_;
}

void QtPlatform::message(const std::string &text, const std::string &caption, Icon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, activeOwner());
    box.exec();
}

void QtPlatform::beep() {
    QApplication::beep();
}

bool QtPlatform::askYesNo(const std::string &text, const std::string &caption, Icon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, activeOwner());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    return box.exec() == QMessageBox::Yes;
}

std::string QtPlatform::askSaveFile(const std::string &caption, const std::string &proposed,
                                    const std::string &filter) {
    // Qt's own dialog, whose texts can be set: every word of it in French.
    QFileDialog dialog(activeOwner(), QString::fromStdString(caption), QString::fromStdString(proposed),
                       QString::fromStdString(filter));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(QString::fromStdString(proposed));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Dossier :"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Enregistrer"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("&Annuler"));
    // Room for the French heads and place names, which are longer than Qt's defaults allow.
    dialog.resize(800, 500);
    if (auto *split = dialog.findChild<QSplitter *>(QStringLiteral("splitter")))
        split->setSizes({170, 630});
    if (auto *files = dialog.findChild<QTreeView *>(QStringLiteral("treeView")))
        files->header()->resizeSections(QHeaderView::ResizeToContents);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().first();
        if (!QFileInfo::exists(chosen) ||
            askYesNo("Le fichier " + chosen.toStdString() + " existe déjà. Le remplacer ?", caption,
                     Icon::Exclamation))
            return chosen.toStdString();
    }
    return {};
}

bool QtPlatform::openHelp(const std::string &path, int context) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(file.readAll());
    if (!help_) {
        // A window of its own, closed with the main window.
        help_ = new QTextBrowser(owner_);
        help_->setWindowFlags(Qt::Window);
        help_->setAttribute(Qt::WA_DeleteOnClose, false);
        help_->setOpenExternalLinks(true);
        help_->resize(620, 520);
    }
    help_->setSearchPaths({QFileInfo(file).absolutePath()});
    help_->setHtml(html);
    help_->setWindowTitle(help_->documentTitle().isEmpty() ? QStringLiteral("Aide de Zel Manager")
                                                           : help_->documentTitle());
    if (context != 0)
        help_->scrollToAnchor(QStringLiteral("ctx-%1").arg(context));
    help_->show();
    help_->raise();
    help_->activateWindow();
    return true;
}

void QtPlatform::openUrl(const std::string &url) {
    const QString address = QString::fromStdString(url);
    if (!QDesktopServices::openUrl(QUrl(address)))
        QProcess::startDetached(QStringLiteral("xdg-open"), {address});
}

int QtPlatform::runModal(QDialog &dialog) {
    return dialog.exec();
}

struct SingleInstanceLock::Impl {
    std::unique_ptr<QLockFile> lock;
};

SingleInstanceLock::SingleInstanceLock(const std::string &name) : impl_(new Impl) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString file = QString::fromStdString(name) + QStringLiteral(".lock");
    if (dir.isEmpty()) {
        // The shared temporary directory: the user's name keeps the lock per user.
        dir = QDir::tempPath();
        file = QString::fromStdString(name) + QLatin1Char('-') + qEnvironmentVariable("USER") +
               QStringLiteral(".lock");
    }
    impl_->lock = std::make_unique<QLockFile>(QDir(dir).filePath(file));
    // Only a dead owner makes a lock stale, however long the program has run.
    impl_->lock->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() {
    delete impl_;
}

bool SingleInstanceLock::acquire() {
    return impl_->lock->tryLock(0);
}

bool MoveToTrash(const std::string &path) {
    const QString file = QString::fromStdString(path);
    return QFile::moveToTrash(file) || QFile::remove(file);
}

} // namespace zel
