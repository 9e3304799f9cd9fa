#include "app/window/ZKMainWindow.h"

#include <QApplication>
#include <QCloseEvent>

#include "app/window/ZKControllingDragView.h"
#include "app/window/ZKMainMenu.h"
#include "app/window/ZKPreferencesWindow.h"
#include "help/ZKHelpManager.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"

ZKMainWindow::ZKMainWindow(ZKDialogPresenter *presenter, QWidget *parent)
    : QMainWindow(parent), view_(new ZKControllingDragView(presenter, this)) {
    setWindowTitle(QStringLiteral("Torvane"));
    setObjectName(QStringLiteral("MainWindow"));
    setCentralWidget(view_);
    menu_ = new ZKMainMenu(*this, *view_);
    connect(menu_, &ZKMainMenu::preferencesRequested, this, &ZKMainWindow::showPreferences);
    connect(menu_, &ZKMainMenu::closeRequested, this, &QWidget::close);
    connect(menu_, &ZKMainMenu::quitRequested, this, &ZKMainWindow::terminateRequested);
    connect(view_, &ZKControllingDragView::terminateRequested, this,
            &ZKMainWindow::terminateRequested);
    // Help links ask and report through this window, and its view reacts to them.
    ZKHelpManager &help = ZKHelpManager::helpManager();
    help.setUserInteraction(view_);
    help.setDelegate(view_);
    // A sandboxed process asks for folders through this window.
    ZKSecurityScopedBookmarkManager::bookmarkManager().setUnlockPanel(
        [view = view_](const ZKFolderUnlockRequest &request) {
            return view->runFolderUnlockPanel(request);
        });
}

ZKMainWindow::~ZKMainWindow() {
    ZKHelpManager &help = ZKHelpManager::helpManager();
    help.setUserInteraction(nullptr);
    help.setDelegate(nullptr);
    ZKSecurityScopedBookmarkManager::bookmarkManager().setUnlockPanel({});
}

ZKPreferencesWindow *ZKMainWindow::showPreferences() {
    if (!preferences_) {
        preferences_ = new ZKPreferencesWindow(*view_, this);
        preferences_->setAttribute(Qt::WA_DeleteOnClose);
    }
    preferences_->show();
    preferences_->raise();
    preferences_->activateWindow();
    return preferences_;
}

void ZKMainWindow::closeEvent(QCloseEvent *event) {
    if (view_->isBusy()) {
        // The controller's loop is still working on this window's list.
        QApplication::beep();
        event->ignore();
        return;
    }
    event->accept();
    if (view_->controller().generalSettings().quitWhenClosed) emit terminateRequested();
}
