#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QMenu;
class QToolButton;
class QWidget;
class ZKCodeTextView;
struct ZKCollectionEntry;

// The snippet pop-up of the Advanced code editor: "Create Snippet..." (the whole text),
// "Create Snippet with Selection...", "Manage Snippets..." and one item per snippet, which
// inserts it at the selection as a user edit. Rebuilt each time it opens.
class SnippetMenu : public QObject {
    Q_OBJECT
public:
    SnippetMenu(QToolButton *button, ZKCodeTextView *textView);

    // Asks for a snippet's name; tests replace it. None when cancelled.
    using NameAsker = std::function<std::optional<QString>(QWidget *parent, const QString &)>;
    static void setNameAsker(NameAsker asker);

    QMenu *menu() const { return menu_; }
    // Reads the snippet file as UTF-8 and inserts it; false (logged) when it cannot be read or
    // is empty.
    bool insertSnippet(const ZKCollectionEntry &entry);

private:
    void rebuild();
    void createSnippet(const QString &text);

    ZKCodeTextView *textView_;
    QMenu *menu_;
};
