#include <gtest/gtest.h>

#include <QHash>
#include <QRandomGenerator>
#include <QSet>

#include "journal/PlanProgress.h"

namespace {

// What the answers mean, said as plainly as possible: a step is made as planned when its path
// is a planned path with an identity (the last such place when a path is planned twice), its
// target is that place's, it is a plain move, and no earlier step touched either path.
class PlainProgress {
public:
    explicit PlainProgress(const QList<JournalMove> &planned) : planned_(planned) {
        for (qsizetype place = 0; place < planned.size(); ++place)
            if (planned[place].device != 0 || planned[place].inode != 0)
                placeOf_.insert(planned[place].from, place);
    }
    std::optional<qsizetype> step(const JournalMove &step) {
        if (step.kind == JournalMove::Kind::Trash) return std::nullopt;
        const bool fromIsNew = !touched_.contains(step.from);
        touched_.insert(step.from);
        const bool toIsNew = !touched_.contains(step.to);
        touched_.insert(step.to);
        if (!step.finalTarget.isEmpty()) touched_.insert(step.finalTarget);
        const auto place = placeOf_.constFind(step.from);
        if (step.kind != JournalMove::Kind::Move || !step.finalTarget.isEmpty() ||
            place == placeOf_.constEnd() || planned_.at(*place).to != step.to || !fromIsNew ||
            !toIsNew)
            return std::nullopt;
        return *place;
    }
    bool isTouched(const JournalMove &planned) const {
        return touched_.contains(planned.from) || touched_.contains(planned.to);
    }

private:
    QList<JournalMove> planned_;
    QHash<QByteArray, qsizetype> placeOf_;
    QSet<QByteArray> touched_;
};

QByteArray pathNumbered(quint32 number) { return "/d/" + QByteArray::number(number); }

}  // namespace

// Runs in and out of the plan's order, with chains (a target that is another move's path),
// paths planned twice, moves without an identity, moves aside, the Trash, restores and
// temporary names: every answer and every touched move as the plain meaning says.
TEST(PlanProgressTest, AnswersAsThePlainMeaningForRunsInAndOutOfOrder) {
    QRandomGenerator random(7);
    for (int round = 0; round < 300; ++round) {
        // A small pool of paths makes chains and repeats common.
        const quint32 pool = 4 + random.bounded(60);
        QList<JournalMove> planned;
        const int count = int(random.bounded(40));
        for (int i = 0; i < count; ++i) {
            JournalMove move{pathNumbered(random.bounded(pool)),
                             pathNumbered(random.bounded(pool))};
            if (random.bounded(8) != 0) move.inode = 1 + random.bounded(1000);
            planned << move;
        }
        PlanProgress progress(planned);
        PlainProgress plain(planned);
        qsizetype next = 0;
        for (int s = 0; s < 60; ++s) {
            JournalMove step;
            const quint32 kind = random.bounded(10);
            if (kind < 5 && next < planned.size()) {
                step = planned[next++];  // in order, the common case
            } else if (kind < 7 && !planned.isEmpty()) {
                step = planned[random.bounded(int(planned.size()))];
            } else {
                step = {pathNumbered(random.bounded(pool + 5)),
                        pathNumbered(random.bounded(pool + 5))};
                if (kind == 7) step.kind = JournalMove::Kind::Trash;
                if (kind == 8) step.kind = JournalMove::Kind::Restore;
                if (kind == 9) step.finalTarget = pathNumbered(random.bounded(pool));
            }
            ASSERT_EQ(progress.step(step), plain.step(step)) << "round " << round << " step " << s;
            for (const JournalMove &move : std::as_const(planned))
                ASSERT_EQ(progress.isTouched(move), plain.isTouched(move)) << "round " << round;
        }
    }
}

// Recovery asks with no plan at all.
TEST(PlanProgressTest, WithoutAPlanNoStepIsCoveredAndTouchedPathsAreKnown) {
    PlanProgress progress;
    EXPECT_EQ(progress.step({"/d/a", "/d/b"}), std::nullopt);
    EXPECT_TRUE(progress.isTouched({"/d/b", "/d/c"}));
    EXPECT_FALSE(progress.isTouched({"/d/c", "/d/e"}));
}
