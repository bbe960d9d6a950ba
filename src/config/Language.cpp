#include "config/Language.h"

#include <QFileInfo>
#include <QTranslator>
#include <algorithm>
#include <atomic>
#include <mutex>

#include "common/Files.h"

namespace trelvix {

QString LanguageModuleFile(int index) {
    static const char* const kModules[] = {"LangEN", "LangCN",  "LangTW",  "LangJAN", "LangESP",
                                           "LangFR", "LangITA", "LangGER", "LangRUS", "LangKOR",
                                           "LangTH", "LangAR",  "LangPOR", "LangMY",  "LangVN"};
    const char* name = (index >= 0 && index < 15) ? kModules[index] : "LangCN";
    return QString::fromLatin1(name) + QStringLiteral(".qm");
}

namespace {
std::mutex folderMutex;
QString movedFolder;
}  // namespace

void SetLanguageFolder(const QString& folder) {
    std::lock_guard lock(folderMutex);
    movedFolder = folder;
}

QString LanguageModulePath(int index, const QString& folder) {
    const QString file = LanguageModuleFile(index);
    if (!folder.isEmpty()) return WithSlash(folder) + file;
    {
        std::lock_guard lock(folderMutex);
        if (!movedFolder.isEmpty()) return WithSlash(movedFolder) + file;
    }
    return ProgramDataPath(file);
}

bool LanguageModuleAvailable(int index, const QString& folder) {
    return QFileInfo::exists(LanguageModulePath(index, folder));
}

int WindowsLanguageId(QLocale::Language language, QLocale::Territory territory) {
    using L = QLocale;
    struct Entry {
        QLocale::Language language;
        QLocale::Territory territory;
        int id;
    };
    static const Entry kTable[] = {
        {L::Chinese, L::China, 2052},
        {L::Chinese, L::Taiwan, 1028},
        {L::Chinese, L::HongKong, 3076},
        {L::Chinese, L::Singapore, 4100},
        {L::Japanese, L::Japan, 1041},
        {L::Spanish, L::Spain, 3082},
        {L::Spanish, L::Mexico, 2058},
        {L::Spanish, L::Guatemala, 4106},
        {L::Spanish, L::CostaRica, 5130},
        {L::Spanish, L::Panama, 6154},
        {L::Spanish, L::DominicanRepublic, 7178},
        {L::Spanish, L::Venezuela, 8202},
        {L::Spanish, L::Colombia, 9226},
        {L::Spanish, L::Peru, 10250},
        {L::Spanish, L::Argentina, 11274},
        {L::Spanish, L::Ecuador, 12298},
        {L::Spanish, L::Chile, 13322},
        {L::Spanish, L::Uruguay, 14346},
        {L::Spanish, L::Paraguay, 15370},
        {L::Spanish, L::Bolivia, 16394},
        {L::Spanish, L::ElSalvador, 17418},
        {L::Spanish, L::Honduras, 18442},
        {L::Spanish, L::Nicaragua, 19466},
        {L::Spanish, L::PuertoRico, 20490},
        {L::French, L::France, 1036},
        {L::French, L::Belgium, 2060},
        {L::French, L::Canada, 3084},
        {L::French, L::Switzerland, 4108},
        {L::French, L::Luxembourg, 5132},
        {L::Italian, L::Italy, 1040},
        {L::Italian, L::Switzerland, 2064},
        {L::German, L::Germany, 1031},
        {L::German, L::Switzerland, 2055},
        {L::German, L::Austria, 3079},
        {L::German, L::Luxembourg, 4103},
        {L::German, L::Liechtenstein, 5127},
        {L::Russian, L::Russia, 1049},
        {L::Korean, L::SouthKorea, 1042},
        {L::Thai, L::Thailand, 1054},
        {L::Arabic, L::SaudiArabia, 1025},
        {L::Arabic, L::Iraq, 2049},
        {L::Arabic, L::Egypt, 3073},
        {L::Arabic, L::Libya, 4097},
        {L::Arabic, L::Algeria, 5121},
        {L::Arabic, L::Morocco, 6145},
        {L::Arabic, L::Tunisia, 7169},
        {L::Arabic, L::Oman, 8193},
        {L::Arabic, L::Yemen, 9217},
        {L::Arabic, L::Syria, 10241},
        {L::Arabic, L::Jordan, 11265},
        {L::Arabic, L::Lebanon, 12289},
        {L::Arabic, L::Kuwait, 13313},
        {L::Arabic, L::UnitedArabEmirates, 14337},
        {L::Arabic, L::Bahrain, 15361},
        {L::Arabic, L::Qatar, 16385},
        {L::Portuguese, L::Brazil, 1046},
        {L::Portuguese, L::Portugal, 2070},
        {L::Vietnamese, L::Vietnam, 1066},
        {L::English, L::UnitedStates, 1033},
        {L::English, L::UnitedKingdom, 2057},
    };
    for (const Entry& e : kTable)
        if (e.language == language && e.territory == territory) return e.id;
    return 0;
}

int LanguageIndexForLangId(int id) {
    struct Range {
        std::initializer_list<int> ids;
        int index;
    };
    static const Range kTable[] = {
        {{2052}, 1},
        {{1028, 3076, 4100}, 2},
        {{1041}, 3},
        {{1034,  2058,  3082,  4106,  5130,  6154,  7178,  8202,  9226,  10250,
          11274, 12298, 13322, 14346, 15370, 16394, 17418, 18442, 19466, 20490},
         4},
        {{1036, 2060, 3084, 4108, 5132}, 5},
        {{1040, 2064}, 6},
        {{1031, 2055, 3079, 4103, 5127}, 7},
        {{1049}, 8},
        {{1042, 2066}, 9},
        {{1054}, 10},
        {{1025, 2049, 3073, 4097, 5121, 6145, 7169, 8193, 9217, 10241, 11265, 12289, 13313, 14337,
          15361, 16385},
         11},
        {{1046, 2070}, 12},
        {{1066}, 14},
    };
    for (const Range& r : kTable)
        if (std::find(r.ids.begin(), r.ids.end(), id) != r.ids.end()) return r.index;
    return 0;
}

LanguageModule::LanguageModule() = default;
LanguageModule::~LanguageModule() = default;

bool LanguageModule::Load(int index, const QString& folder) {
    auto translator = std::make_shared<QTranslator>();
    std::shared_ptr<const QTranslator> loaded;
    if (translator->load(LanguageModulePath(index, folder))) loaded = std::move(translator);
    std::lock_guard lock(mutex_);
    translator_ = std::move(loaded);
    return true;
}

bool LanguageModule::IsLoaded() const {
    std::lock_guard lock(mutex_);
    return translator_ != nullptr;
}

QString LanguageModule::Text(int id) const {
    std::shared_ptr<const QTranslator> translator;
    {
        std::lock_guard lock(mutex_);
        translator = translator_;
    }
    if (!translator) return QString();
    const QByteArray key = QByteArray::number(id);
    const QString text = translator->translate("", key.constData());
    return text.left(id == 2010 ? 1023 : 255);
}

Qt::LayoutDirection LanguageModule::Direction() const {
    std::lock_guard lock(mutex_);
    if (!translator_ || translator_->language().isEmpty()) return Qt::LeftToRight;
    return QLocale(translator_->language()).textDirection();
}

namespace {
std::atomic<const LanguageModule*> activeLanguage{nullptr};
}  // namespace

void SetActiveLanguage(const LanguageModule* module) {
    activeLanguage = module;
}

QString LanguageText(int id) {
    const LanguageModule* module = activeLanguage;
    return module ? module->Text(id) : QString();
}

}  // namespace trelvix
