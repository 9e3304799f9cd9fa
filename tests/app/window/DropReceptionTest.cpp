// Drops on the window: adding with Shift or replacing, the drop order of an unsorted list,
// refusal while a reception runs, and Stop during a reception.

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <QUrl>
#include <atomic>

#include "WindowFixture.h"
#include "app/window/DroppedItemsReception.h"
#include "app/window/ZKRenameButton.h"

namespace {

class DropReceptionTest : public WindowFixture {
protected:
    std::unique_ptr<QMimeData> dragOf(const QStringList &paths) {
        auto mimeData = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString &path : paths) urls.append(QUrl::fromLocalFile(path));
        mimeData->setUrls(urls);
        return mimeData;
    }

    // The drag enters the window; the action it is answered with (Ignore when refused).
    Qt::DropAction enter(const QMimeData &mimeData, Qt::KeyboardModifiers modifiers = {}) {
        QDragEnterEvent event(center(), Qt::CopyAction | Qt::LinkAction | Qt::MoveAction, &mimeData,
                              Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(&view(), &event);
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    }

    void drop(const QMimeData &mimeData, Qt::KeyboardModifiers modifiers = {}) {
        ASSERT_NE(enter(mimeData, modifiers), Qt::IgnoreAction);
        QDropEvent event(QPointF(center()), Qt::CopyAction | Qt::LinkAction | Qt::MoveAction,
                         &mimeData, Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(&view(), &event);
        ASSERT_TRUE(event.isAccepted());
        EXPECT_NE(event.dropAction(), Qt::MoveAction);
    }

    void dropAndWait(const QStringList &paths, Qt::KeyboardModifiers modifiers = {}) {
        const std::unique_ptr<QMimeData> mimeData = dragOf(paths);
        drop(*mimeData, modifiers);
        ASSERT_TRUE(waitFor([&] { return !controller().isWaitingForDraggedObjects(); }));
        QCoreApplication::processEvents();
    }

    QPoint center() { return view().rect().center(); }
};

TEST_F(DropReceptionTest, ShiftAddsOtherwiseReplaces) {
    const QString a = dir.makeFile("a.txt");
    const QString b = dir.makeFile("b.txt");
    const QString c = dir.makeFile("c.txt");

    // Shift onto an empty list: there is nothing to add to.
    const std::unique_ptr<QMimeData> first = dragOf({a});
    EXPECT_EQ(enter(*first, Qt::ShiftModifier), Qt::LinkAction);
    dropAndWait({a}, Qt::ShiftModifier);
    EXPECT_EQ(listedNames(), QStringList{"a.txt"});
    EXPECT_FALSE(view().isHighlighted());

    const std::unique_ptr<QMimeData> second = dragOf({b});
    EXPECT_EQ(enter(*second, Qt::ShiftModifier), Qt::CopyAction);
    EXPECT_TRUE(view().isHighlighted());
    dropAndWait({b}, Qt::ShiftModifier);
    EXPECT_EQ(listedNames(), (QStringList{"a.txt", "b.txt"}));

    dropAndWait({c});
    EXPECT_EQ(listedNames(), QStringList{"c.txt"});

    // Without "Shift-Drag To Add Files" Shift replaces too.
    UserDefaults::standardUserDefaults().setBool(false, "Shift-Drag To Add Files");
    dropAndWait({a}, Qt::ShiftModifier);
    EXPECT_EQ(listedNames(), QStringList{"a.txt"});
}

TEST_F(DropReceptionTest, UnsortedListKeepsDropOrder) {
    QStringList paths;
    for (const char *name : {"m.txt", "c.txt", "x.txt", "a.txt"})
        paths.append(dir.makeFile(QString::fromLatin1(name)));
    controller().setPrimarySortOrder(-1);
    dropAndWait(paths);
    EXPECT_EQ(listedNames(), (QStringList{"m.txt", "c.txt", "x.txt", "a.txt"}));

    controller().setPrimarySortOrder(0);
    dropAndWait(paths);
    EXPECT_EQ(listedNames(), (QStringList{"a.txt", "c.txt", "m.txt", "x.txt"}));
}

TEST_F(DropReceptionTest, DragsWithoutFilesAreRefused) {
    QMimeData text;
    text.setText("no path here");
    EXPECT_EQ(enter(text), Qt::IgnoreAction);
    EXPECT_FALSE(view().isHighlighted());

    // A line of text naming an existing item is taken.
    const QString a = dir.makeFile("a.txt");
    QMimeData pathText;
    pathText.setText("  " + a + "  \n");
    drop(pathText);
    EXPECT_TRUE(waitFor([&] { return listedNames() == QStringList{"a.txt"}; }));
}

TEST_F(DropReceptionTest, ReceptionRefusesDropsAndStopAddsNothing) {
    listFiles({"kept.txt"});
    const QString other = dir.makeFile("more/other.txt");
    std::atomic<bool> release = false;
    view().reception().setResolver([&release](const QUrl &url) {
        while (!release) QThread::msleep(5);
        return url.toLocalFile();
    });

    const std::unique_ptr<QMimeData> mimeData = dragOf({other});
    drop(*mimeData);
    ASSERT_TRUE(controller().isWaitingForDraggedObjects());
    ZKRenameButton *button = view().renameButton();
    EXPECT_EQ(button->text(), "Stop");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(view().progressLabel()->text(), "Receiving dragged items...");
    // A second drop waits for the first.
    EXPECT_EQ(enter(*mimeData), Qt::IgnoreAction);

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(controller().stopWaitingForDraggedObjects());
    release = true;
    ASSERT_TRUE(waitFor([&] { return !controller().isWaitingForDraggedObjects(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(listedNames(), QStringList{"kept.txt"});
    EXPECT_EQ(button->text(), "Settings do not apply.");
    EXPECT_TRUE(view().progressLabel()->text().isEmpty());

    // The next drop is taken again, and this time goes through.
    release = false;
    drop(*mimeData);
    release = true;
    ASSERT_TRUE(waitFor([&] { return listedNames() == QStringList{"other.txt"}; }));
}

TEST_F(DropReceptionTest, LongReceptionShowsProgress) {
    QStringList paths;
    for (int index = 0; index < 4; ++index)
        paths.append(dir.makeFile(QStringLiteral("f%1.txt").arg(index)));
    std::atomic<int> resolved = 0;
    view().reception().setResolver([&resolved](const QUrl &url) {
        // Each item takes a while, so the progress ticks in between.
        QThread::msleep(80);
        ++resolved;
        return url.toLocalFile();
    });
    controller().setPrimarySortOrder(-1);
    QStringList descriptions;
    const std::unique_ptr<QMimeData> mimeData = dragOf(paths);
    drop(*mimeData);
    waitFor([&] {
        const QString text = view().progressLabel()->text();
        if (!text.isEmpty() && !descriptions.contains(text)) descriptions.append(text);
        return !controller().isWaitingForDraggedObjects();
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(listedNames().size(), 4);
    ASSERT_GE(descriptions.size(), 2) << descriptions.join(" | ").toStdString();
    EXPECT_TRUE(descriptions.last().startsWith("Receiving dragged items ("))
        << descriptions.last().toStdString();
    EXPECT_TRUE(descriptions.last().endsWith(" of 4)"));
}

TEST_F(DropReceptionTest, ObjectReadingCanBeTurnedOff) {
    const QString a = dir.makeFile("a.txt");
    std::atomic<int> resolved = 0;
    view().reception().setResolver([&resolved](const QUrl &url) {
        ++resolved;
        return url.toLocalFile();
    });
    // Read as names and text, the drop's file URLs never reach the URL reception.
    UserDefaults::standardUserDefaults().setBool(true, "Disable Pasteboard Object Reading");
    const std::unique_ptr<QMimeData> mimeData = dragOf({a});
    drop(*mimeData);
    EXPECT_TRUE(waitFor([&] { return listedNames() == QStringList{"a.txt"}; }));
    EXPECT_EQ(resolved, 0);

    UserDefaults::standardUserDefaults().setBool(false, "Disable Pasteboard Object Reading");
    dropAndWait({dir.makeFile("b.txt")});
    EXPECT_EQ(listedNames(), QStringList{"b.txt"});
    EXPECT_EQ(resolved, 1);

    // The action button follows its switch.
    EXPECT_TRUE(view().actionButton()->isHidden());
    UserDefaults::standardUserDefaults().setBool(true, "Show Action Button");
    EXPECT_FALSE(view().actionButton()->isHidden());
}

}  // namespace
