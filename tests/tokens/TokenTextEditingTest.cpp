#include <gtest/gtest.h>

#include <QVariantMap>

#include "support/QtPrinters.h"
#include "tokens/TokenTextEditing.h"

namespace {

const QChar T = TokenTextEditing::kTokenCharacter;
const QVariantMap date{{"Proxy", "date: current"}};
const QVariantMap size{{"Proxy", "file: size"}};

}  // namespace

TEST(TokenTextEditingTest, TokensStandAsOneCharacterEach) {
    EXPECT_EQ(TokenTextEditing::editingText({"a", date, "b", size}), QString("a") + T + "b" + T);
    EXPECT_EQ(TokenTextEditing::editingText({}), "");
}

TEST(TokenTextEditingTest, TypingAroundTokensKeepsThem) {
    const QVariantList list{"a", date, "b", size};
    // Typed at the start, between the tokens, at the end.
    EXPECT_EQ(TokenTextEditing::listAfterEdit(list, QString("xa") + T + "b" + T),
              QVariantList({"xa", date, "b", size}));
    EXPECT_EQ(TokenTextEditing::listAfterEdit(list, QString("a") + T + "bc" + T),
              QVariantList({"a", date, "bc", size}));
    EXPECT_EQ(TokenTextEditing::listAfterEdit(list, QString("a") + T + "b" + T + "z"),
              QVariantList({"a", date, "b", size, "z"}));
    // Two tokens side by side, typed between.
    EXPECT_EQ(TokenTextEditing::listAfterEdit({date, size}, QString(T) + "-" + T),
              QVariantList({date, "-", size}));
}

TEST(TokenTextEditingTest, DeletingATokensCharacterRemovesThatToken) {
    const QVariantList list{date, size};
    EXPECT_EQ(TokenTextEditing::listAfterEdit(list, QString(T)), QVariantList({date}))
        << "the second deleted (backspace at the end)";
    EXPECT_EQ(TokenTextEditing::listAfterEdit({"a", date, "b", size, "c"}, QString("a") + T + "c"),
              QVariantList({"a", date, "c"}))
        << "a selection over b and the size token";
    EXPECT_EQ(TokenTextEditing::listAfterEdit({"a", date, "b", size, "c"}, "abc"),
              QVariantList({"abc"}));
    EXPECT_EQ(TokenTextEditing::listAfterEdit(list, ""), QVariantList());
}

TEST(TokenTextEditingTest, PastedTokenCharactersStandForNothing) {
    EXPECT_EQ(TokenTextEditing::listAfterEdit({"ab"}, QString("a") + T + "b"),
              QVariantList({"ab"}));
    EXPECT_EQ(TokenTextEditing::listAfterEdit({date}, QString(T) + T), QVariantList({date}));
}
