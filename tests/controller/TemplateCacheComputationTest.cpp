#include "RenamingControllerFixture.h"
#include "engine/ZKERETemplate.h"

class TemplateCacheComputationTest : public RenamingControllerFixture {};

TEST_F(TemplateCacheComputationTest, EveryComputationStartsWithAnEmptyTemplateCache) {
    listFiles({"ada.txt", "bob.txt"});
    const auto beforeRun = ZKERETemplate::templateWithString(QString("\\u$1"));
    useSteps({findAndReplace("^(\\w)", "\\u$1", true)});

    EXPECT_EQ(record("ada.txt")->renameName(), "Ada.txt");
    EXPECT_EQ(record("bob.txt")->renameName(), "Bob.txt");
    // Parsed during the run and dropped at its end: the next request parses anew.
    EXPECT_NE(ZKERETemplate::templateWithString(QString("\\u$1")), beforeRun);
}
