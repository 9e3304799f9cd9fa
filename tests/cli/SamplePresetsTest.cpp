// The sample presets and snippets do what their titles promise, and the command line finds
// presets by name and records its runs in the history.

#include <gtest/gtest.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include <QDir>
#include <QFile>
#include <exiv2/exiv2.hpp>

#include "cli/CliTestSupport.h"
#include "collections/HistoryFile.h"
#include "collections/ZKHistorian.h"
#include "common/ApplicationSupport.h"
#include "support/QtPrinters.h"
#include "support/SampleImages.h"
#include "support/TestEnvironment.h"

namespace {

// A short silent PCM WAVE file.
QByteArray silentWave() {
    QByteArray wave("RIFF");
    const auto put = [&wave](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i) wave.append(char((value >> (8 * i)) & 0xff));
    };
    put(36 + 400, 4);
    wave.append("WAVEfmt ");
    put(16, 4);
    put(1, 2);
    put(2, 2);
    put(8000, 4);
    put(32000, 4);
    put(4, 2);
    put(16, 2);
    wave.append("data");
    put(400, 4);
    return wave + QByteArray(400, '\0');
}

class SamplePresetsTest : public testing::Test {
protected:
    void SetUp() override {
        QDir(ApplicationSupport::folder()).removeRecursively();
        ZKHistorian::resetHistorian();
    }
    void TearDown() override {
        ZKHistorian::resetHistorian();
        QDir(ApplicationSupport::folder()).removeRecursively();
    }
    QStringList preview(const QString &preset, const QString &folder = "box") {
        const CliRun run =
            runCliInProcess({"preview", "--json", "--preset", preset, dir.filePath(folder)});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        QStringList names = run.newNames();
        names.sort();
        return names;
    }
    void tagPhoto(const QString &name, const char *taken) {
        const QString path = dir.makeFile(name, plainJpeg);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
#pragma GCC diagnostic pop
        image->readMetadata();
        image->exifData()["Exif.Photo.DateTimeOriginal"] = taken;
        image->writeMetadata();
    }
    void tagSong(const QString &name, const char *track, const char *title) {
        const QString path = dir.makeFile(name, silentWave());
        TagLib::FileRef file(QFile::encodeName(path).constData());
        ASSERT_FALSE(file.isNull());
        TagLib::PropertyMap tags;
        tags.insert("TITLE", TagLib::StringList(TagLib::String(title, TagLib::String::UTF8)));
        tags.insert("TRACKNUMBER", TagLib::StringList(track));
        file.file()->setProperties(tags);
        ASSERT_TRUE(file.save());
    }

    TestDir dir;
};

TEST_F(SamplePresetsTest, PhotosAndMusicAreNamedFromTheirMetadata) {
    tagPhoto("box/IMG_0001.JPG", "2024:05:01 13:45:10");
    EXPECT_EQ(preview("Photos by Capture Date and Time"), QStringList({"2024-05-01 13-45-10.JPG"}));
    tagSong("songs/audio01.wav", "7", "Blue Moon");
    EXPECT_EQ(preview("Music as Track - Title", "songs"), QStringList({"7 - Blue Moon.wav"}));
}

TEST_F(SamplePresetsTest, TextPresetsCleanUpNames) {
    for (const char *name : {"box/01 - Intro.MP3", "box/2024_report final.PDF",
                             "box/scan 20240105.tiff", "box/007.txt"})
        dir.makeFile(name);
    EXPECT_EQ(
        preview("Lower-Case Extensions"),
        QStringList({"007.txt", "01 - Intro.mp3", "2024_report final.pdf", "scan 20240105.tiff"}));
    EXPECT_EQ(preview("Strip Leading Numbers and Separators"),
              QStringList({"007.txt", "Intro.MP3", "report final.PDF", "scan 20240105.tiff"}));
    EXPECT_EQ(
        preview("Spaces to Underscores"),
        QStringList({"007.txt", "01_-_Intro.MP3", "2024_report_final.PDF", "scan_20240105.tiff"}));
    EXPECT_EQ(
        preview("Underscores to Spaces"),
        QStringList({"007.txt", "01 - Intro.MP3", "2024 report final.PDF", "scan 20240105.tiff"}));
    EXPECT_EQ(preview("Dates 20240105 to 2024-01-05"),
              QStringList(
                  {"007.txt", "01 - Intro.MP3", "2024_report final.PDF", "scan 2024-01-05.tiff"}));
}

TEST_F(SamplePresetsTest, NumberingStartsAgainInEveryFolder) {
    for (const char *name : {"box/Rome/a.jpg", "box/Rome/b.jpg", "box/Paris/c.jpg"})
        dir.makeFile(name);
    EXPECT_EQ(preview("Number Files per Folder"),
              QStringList({"Paris 1.jpg", "Rome 1.jpg", "Rome 2.jpg"}));
}

TEST_F(SamplePresetsTest, SnippetsRunAsAdvancedSteps) {
    dir.makeFile("box/my_song - the_band.mp3");
    const QString snippets =
        ZKHistorian::historian().localFolderPathForCollection("Snippets", true);
    ZKHistorian::historian().snippetURLs();  // puts the samples in place
    const auto run = [&](const QString &snippet) {
        QFile file(snippets + "/{samples}/" + snippet + ".txt");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << snippet.toStdString();
        const QString steps = writeStepsFile(
            dir.path(),
            {QVariantMap{{"Task", 9},
                         {"Rename: Advanced: Prototpye", QString::fromUtf8(file.readAll())}}});
        const CliRun result =
            runCliInProcess({"preview", "--json", "--steps", steps, dir.filePath("box")});
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        return result.newNames().value(0);
    };
    EXPECT_EQ(run("Name with Three-Digit Number"), "my_song - the_band 001.mp3");
    EXPECT_EQ(run("Underscores to Spaces"), "my song - the band.mp3");
    EXPECT_EQ(run("Swap Artist and Title"), "the_band - my_song.mp3");
    EXPECT_EQ(run("Title Case with Lower-Case Extension"), "My_song - The_band.mp3");
}

TEST_F(SamplePresetsTest, CommandLineListsPresetsAndRecordsRuns) {
    const QString presets = ZKHistorian::historian().localFolderPathForCollection("Presets", true);
    QDir().mkpath(presets + "/Work");
    QFile::copy(":/Sample Presets/Spaces to Underscores.tva", presets + "/Work/Spaces.tva");
    CliRun list = runCliInProcess({"presets"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.lines().value(0), "Work/Spaces");
    EXPECT_EQ(list.lines().value(1), "Sample Presets:");
    EXPECT_TRUE(list.lines().contains("  Lower-Case Extensions"));

    dir.makeFile("box/a b.txt");
    const CliRun rename =
        runCliInProcess({"rename", "--yes", "--preset", "Work/Spaces", dir.filePath("box")});
    EXPECT_EQ(rename.status, 0) << rename.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("box/a_b.txt")));
    ASSERT_EQ(HistoryFile::load(HistoryFile::path()).size(), 1);
    const CliRun history = runCliInProcess({"history"});
    ASSERT_EQ(history.lines().size(), 1);
    EXPECT_TRUE(history.lines().first().startsWith("1\t")) << history.out.toStdString();
    EXPECT_TRUE(history.lines().first().endsWith("\tFind and Replace"));

    const CliRun missing = runCliInProcess({"preview", "--preset", "Nope", dir.filePath("box")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains("no preset named \"Nope\"")) << missing.err.toStdString();
}

}  // namespace
