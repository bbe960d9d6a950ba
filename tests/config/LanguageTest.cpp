#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "common/Files.h"
#include "config/Language.h"
#include "support/TestFiles.h"

using namespace trelvix;

TEST(Language, ModuleTableAndOutOfRangeIndexes) {
    const std::vector<std::pair<int, const char*>> table = {
        {0, "LangEN.qm"},  {1, "LangCN.qm"},  {12, "LangPOR.qm"}, {13, "LangMY.qm"},
        {14, "LangVN.qm"}, {15, "LangCN.qm"}, {-1, "LangCN.qm"}};
    for (const auto& [index, file] : table) EXPECT_EQ(LanguageModuleFile(index), file) << index;
}

TEST(Language, SystemLocaleMapsToTheLanguageIndex) {
    auto index = [](const char* name) {
        const QLocale l(QString::fromLatin1(name));
        return LanguageIndexForLangId(WindowsLanguageId(l.language(), l.territory()));
    };
    // es_US is not in the table.
    const std::vector<std::pair<const char*, int>> table = {
        {"zh_CN", 1},  {"zh_TW", 2},  {"zh_HK", 2},  {"ja_JP", 3}, {"es_ES", 4}, {"es_AR", 4},
        {"es_US", 0},  {"fr_CA", 5},  {"de_AT", 7},  {"ru_RU", 8}, {"ko_KR", 9}, {"ar_EG", 11},
        {"pt_PT", 12}, {"pt_BR", 12}, {"vi_VN", 14}, {"en_US", 0}, {"C", 0}};
    for (const auto& [name, want] : table) EXPECT_EQ(index(name), want) << name;
    EXPECT_EQ(LanguageIndexForLangId(2066), 9);
    EXPECT_EQ(LanguageIndexForLangId(5124), 0);
}

TEST(Language, ShippedModulesHaveTheProgramTexts) {
    LanguageModule en;
    en.Load(0);
    ASSERT_TRUE(en.IsLoaded());
    EXPECT_EQ(en.Text(100), "Trelvix");
    for (int id : {1, 2, 3, 4, 5, 700, 701, 702, 703, 9001, 9002})
        EXPECT_FALSE(en.Text(id).isEmpty()) << id;
    LanguageModule cn;
    cn.Load(1);
    EXPECT_EQ(cn.Text(700), QStringLiteral("密码输入"));
    EXPECT_EQ(cn.Text(123456), "");
}

TEST(Language, MissingModuleGivesEmptyTexts) {
    QTemporaryDir empty;
    LanguageModule m;
    EXPECT_TRUE(m.Load(0, empty.path()));
    EXPECT_FALSE(m.IsLoaded());
    EXPECT_EQ(m.Text(100), "");
    // Replacing a loaded module with a missing one empties the texts too.
    m.Load(0);
    EXPECT_FALSE(m.Text(100).isEmpty());
    m.Load(0, empty.path());
    EXPECT_EQ(m.Text(100), "");
}

TEST(Language, TextsAreCutAt255Or1023ForText2010) {
    QTemporaryDir dir;
    const QString ts = dir.path() + "/LangEN.ts";
    test::WriteFile(
        ts, QStringLiteral(
                "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                "<TS version=\"2.1\" language=\"en_US\"><context><name></name>"
                "<message id=\"5\"><source>x</source><translation>%1</translation></message>"
                "<message id=\"2010\"><source>y</source><translation>%2</translation></message>"
                "</context></TS>\n")
                .arg(QString(300, 'a'), QString(1100, 'b'))
                .toUtf8());
    const int rc = QProcess::execute(QStringLiteral(TRELVIX_LRELEASE),
                                     {"-idbased", "-silent", ts, "-qm", dir.path() + "/LangEN.qm"});
    ASSERT_EQ(rc, 0);
    LanguageModule m;
    m.Load(0, dir.path());
    EXPECT_EQ(m.Text(5), QString(255, 'a'));
    EXPECT_EQ(m.Text(2010), QString(1023, 'b'));
}

TEST(Language, EveryRowOfTheTableHasItsOwnModuleBesideTheProgram) {
    QStringList explanations;
    for (int index = 0; index < 15; ++index) {
        EXPECT_TRUE(LanguageModuleAvailable(index)) << LanguageModuleFile(index).toStdString();
        LanguageModule m;
        m.Load(index);
        ASSERT_TRUE(m.IsLoaded()) << index;
        // Two rows on one file, or an English copy, would show the same long text twice.
        const QString text = m.Text(2010);
        EXPECT_FALSE(explanations.contains(text)) << "row " << index << " repeats a module";
        explanations << text;
        EXPECT_FALSE(m.Text(703).isEmpty()) << index;
    }
}

TEST(Language, OnlyTheArabicModuleRunsRightToLeft) {
    for (int index = 0; index < 15; ++index) {
        LanguageModule m;
        m.Load(index);
        EXPECT_EQ(m.Direction(), index == 11 ? Qt::RightToLeft : Qt::LeftToRight) << index;
    }
    LanguageModule none;
    EXPECT_EQ(none.Direction(), Qt::LeftToRight);
}

TEST(Language, TheLanguageFolderCanBeMovedAndRestored) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(ExecutableFolder() + "LangGER.qm", dir.path() + "/LangGER.qm"));
    SetLanguageFolder(dir.path());
    EXPECT_TRUE(LanguageModuleAvailable(7));
    EXPECT_FALSE(LanguageModuleAvailable(0));
    LanguageModule m;
    m.Load(0);
    EXPECT_FALSE(m.IsLoaded());
    m.Load(7);
    EXPECT_EQ(m.Text(231), "OK");
    EXPECT_EQ(m.Text(228), "Zeilen");
    SetLanguageFolder(QString());
    EXPECT_TRUE(LanguageModuleAvailable(0));
}

// A build tree keeps the data beside the program; an installed program finds it in
// ../share/trelvix. The file beside the program wins, so a build never picks up an older
// installed copy.
TEST(Language, ShippedDataBesideTheProgramOrInTheInstalledFolder) {
    QTemporaryDir root;
    const QString bin = root.path() + "/usr/bin/";
    const QString share = root.path() + "/usr/share/trelvix/";
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(share + "media"));
    test::WriteFile(share + "LangCN.qm");
    EXPECT_EQ(ProgramDataPath("LangCN.qm", bin), share + "LangCN.qm");
    EXPECT_EQ(ProgramDataPath("media", bin), share + "media");
    test::WriteFile(bin + "LangCN.qm");
    EXPECT_EQ(ProgramDataPath("LangCN.qm", bin), bin + "LangCN.qm");
    // Found nowhere: the place beside the program, where a build would put it.
    EXPECT_EQ(ProgramDataPath("LangVN.qm", bin), bin + "LangVN.qm");
    EXPECT_EQ(ProgramDataPath("LangVN.qm", bin.chopped(1)), bin + "LangVN.qm");

    // The real lookup: this test runs beside the built modules.
    EXPECT_EQ(LanguageModulePath(1), ExecutableFolder() + "LangCN.qm");
    EXPECT_EQ(LanguageModulePath(1, share), share + "LangCN.qm");
}
