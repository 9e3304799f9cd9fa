#pragma once

#include <QMenu>
#include <QPointer>
#include <QTextEdit>
#include <QVariantList>
#include <optional>

#include "tokens/ProxySettings.h"
#include "tokens/TokenInsertion.h"

class ProxyChipObject;
class ProxyMenuWidget;
class QToolButton;

// A one-line text field for a token list: literal text with tokens among it, each token a
// chip that shows its display name. A token is one position for the caret and the
// selection, can never be edited as text and is deleted whole; typing only ever makes text.
// Tokens come from the token menu (the menu widget at the right edge, or Ctrl+"+" while the
// field has the keyboard) and from the clipboard. Tokens whose type has settings open their
// settings menu when clicked.
//
// Every edit emits textDidChange: typing, pasting and undo with skipDelay false, inserting a
// token and changing a token's settings with skipDelay true (names follow at once). Setting
// the list from outside (setList) emits nothing.
class ZKProxyField : public QTextEdit {
    Q_OBJECT
    Q_PROPERTY(bool showsProxyMenu READ showsProxyMenu NOTIFY showsProxyMenuChanged)
public:
    explicit ZKProxyField(QWidget *parent = nullptr);

    // The token list shown: adjacent texts joined, empty text left out.
    QVariantList list() const;
    // Shows the list; the caret goes to the end and the undo history is dropped. Line ends in
    // its text show as spaces (as pasted ones become spaces): the field is one line.
    void setList(const QVariantList &list);
    // Whether the field shows the list as setList would show it.
    bool shows(const QVariantList &list) const;
    // The shown list as text, each token as one object-replacement character.
    QString text() const;

    // Caret and selection in positions (one per character, one per token).
    int cursorPosition() const;
    void setCursorPosition(int position);
    void setSelection(int start, int length);
    TokenInsertion::Range selectionRange() const;
    void end(bool mark);

    bool showsProxyMenu() const { return showsProxyMenu_; }
    QWidget *menuWidget() const;

    // Inserts a new token of the type at the insertion point: the selection while the field
    // is edited (has the keyboard, or had it when the token menu was opened), else at the
    // end. Names are recomputed at once.
    void insertProxy(const QString &identifier);
    // Opens the token menu at the menu widget; false when it cannot be opened.
    bool popUpMenu();
    // Opens the token menu, or beeps when it cannot.
    void showProxies();

    // The settings menu of the token at the position ("Proxy Configuration"), made anew;
    // null when there is no token there or its type has no settings. A child of the field
    // that the caller may delete.
    QMenu *configurationMenuForRepresentedObject(int position);
    // Applies a settings-menu choice to the token at the position, when the token there is
    // still the given one.
    void changeSettingOfProxy(int position, const QVariantMap &token,
                              ProxySettings::Section section, qint64 tag);
    // The settings menu shown now, if any (for tests and the window).
    QMenu *shownConfigurationMenu() const { return shownConfigurationMenu_; }

    // An icon inside the field, before the menu widget, shown while the action is visible.
    QAction *addTrailingAction(const QIcon &icon);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void textDidChange(bool skipDelay);
    void showsProxyMenuChanged(bool shows);

protected:
    // Announces an edit that is a deliberate command rather than typing.
    void postDelaySkippingTextDidChangeNotification();
    // Replaces the selection by the elements as one undoable edit, without announcing it.
    void replaceSelection(const QVariantList &elements);
    // Adds the field's own commands to its context menu.
    virtual void addContextMenuActions(QMenu *menu);

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    friend class ZKProxyMenu;

    // Space between the text and the frame, as a line edit keeps it.
    static constexpr int kDocumentMargin = 1;
    static constexpr int kTrailingButtonWidth = 18;

    void setShowsProxyMenu(bool shows);
    void documentDidChange();
    void announce(bool skipDelay);
    void applyList(const QVariantList &list, qsizetype caret);
    void paintPanel();
    void layoutButtons();
    int chipAt(const QPoint &viewportPosition) const;
    QRect chipRect(int position) const;
    bool openConfigurationMenu(int position, const QPoint &globalPosition);
    bool isProxyMenuShortcut(const QKeyEvent *event) const;
    std::optional<TokenInsertion::Range> insertionPoint() const;

    ProxyChipObject *chips_;
    ProxyMenuWidget *menuWidget_;
    QList<QToolButton *> trailingButtons_;
    QPointer<QMenu> shownConfigurationMenu_;
    bool showsProxyMenu_ = false;
    // Set while the field itself edits its document, so that the edit is not taken as typing.
    bool quiet_ = false;
    // The list as last announced or set: changes of the document that leave it alike (fonts,
    // formats) are no edits.
    QVariantList announcedList_;
    // Where a token chosen from the open token menu goes: none when the field was not edited
    // as the menu opened.
    std::optional<std::optional<TokenInsertion::Range>> menuInsertionPoint_;
};
