#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "collections/HistoryFile.h"
#include "collections/ZKHistorian.h"
#include "common/ApplicationSupport.h"
#include "common/UserDefaults.h"
#include "engine/RenamerSettings.h"
#include "engine/ZKRenamer.h"
#include "support/ScriptedUserInteraction.h"

// A historian over an empty application support folder, whose subject is a plain step list.
class HistorianTest : public ::testing::Test, public ZKHistorySubject {
protected:
    void SetUp() override {
        QDir(ApplicationSupport::folder()).removeRecursively();
        ZKHistorian::resetHistorian();
        historian().setSubject(this);
        historian().setUserInteraction(&ui);
    }
    void TearDown() override {
        ZKHistorian::resetHistorian();
        QDir(ApplicationSupport::folder()).removeRecursively();
    }

    static ZKHistorian &historian() { return ZKHistorian::historian(); }

    QList<ZKRenamerPtr> historyRenamers() override { return renamers; }
    void setHistoryRenamers(const QList<ZKRenamerPtr> &list, int animate) override {
        renamers = list;
        animations.append(animate);
    }

    // One Add Suffix step of the given text.
    static QList<ZKRenamerPtr> suffixStep(const QString &text) {
        return {ZKRenamer::renamerWithArchive(QVariantMap{
            {"Task", AddSuffixOperation}, {"Rename: Insert: String", QVariantList{text}}})};
    }
    static QString suffixOf(const QVariantMap &archive) {
        return archive.value("Rename: Insert: String").toList().value(0).toString();
    }
    QString currentSuffix() const {
        return renamers.isEmpty()
                   ? QString()
                   : suffixOf(renamers.first()->archiveWithIrrelevantSettings(false, true, true));
    }
    // Records one run with a suffix step of the text.
    void use(const QString &text) {
        renamers = suffixStep(text);
        ASSERT_TRUE(historian().archiveRenamers());
    }
    static QStringList suffixesInFile() {
        QStringList suffixes;
        for (const QVariant &item : HistoryFile::load(HistoryFile::path()))
            suffixes << suffixOf(item.toMap().value("Renamers").toList().value(0).toMap());
        return suffixes;
    }
    static void setCapacity(qint64 capacity) {
        UserDefaults::standardUserDefaults().setInteger(capacity, ZKHistorian::kHistoryCapacity);
    }

    QList<ZKRenamerPtr> renamers;
    QList<int> animations;
    ScriptedUserInteraction ui;
};
