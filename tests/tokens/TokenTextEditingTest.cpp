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
