#pragma once

#include <QMenu>
#include <QPointer>

class QLineEdit;
class QWidgetAction;
class ZKProxyField;
struct ProxySuggestionItem;

// The token menu "Proxies", one for the whole application: a filter field on top, the token
// types below it. Every request makes the asking field the menu's client and empties the
// filter, so that the menu opens in full; the types are listed again whenever the menu is
// about to show and whenever the filter changes. While the menu is open the filter has the
// keyboard, and Up and Down move from it into the items. Choosing a type inserts a token of
// it into the client.
class ZKProxyMenu : public QMenu {
    Q_OBJECT
public:
    static ZKProxyMenu *sharedMenu();

    // The menu, ready to open for the field.
    QMenu *menuForProxyField(ZKProxyField *field);
    // Opens the menu below the point with its right edge there; as the filter changes the
    // menu's size, that edge stays where it is (or the menu stays on the screen).
    void popUpLeftOf(const QPoint &globalPosition);

    ZKProxyField *client() const { return client_; }
    QLineEdit *filterField() const { return filter_; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ZKProxyMenu();

    void updateSuggestions();
    void addItems(QMenu *menu, const QList<ProxySuggestionItem> &items);
    void removeSuggestions();
    void choose(QAction *action);
    void closed();
    void keepAnchored();
    // The first or last item that can be chosen, looking into no submenu.
    QAction *edgeItem(bool first) const;

    QLineEdit *filter_;
    QWidgetAction *filterItem_;
    QPointer<ZKProxyField> client_;
    QPoint anchor_;
};
