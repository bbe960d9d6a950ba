// Language modules: the interface texts of one language, looked up by number.
#pragma once

#include <QLocale>
#include <QString>
#include <memory>
#include <mutex>

class QTranslator;

namespace trelvix {

// Module file of a language index ("LangEN.qm" …); any index outside the table gives the
// Chinese module.
QString LanguageModuleFile(int index);

// Where the module of `index` is looked up: in `folder`, or among the shipped modules when it
// is empty.
QString LanguageModulePath(int index, const QString& folder = QString());

// Whether the module of `index` is in `folder` (the shipped modules when empty).
bool LanguageModuleAvailable(int index, const QString& folder = QString());

// Where modules are looked up when no folder is given: the shipped modules, unless a test
// points elsewhere (an empty text restores the shipped modules).
void SetLanguageFolder(const QString& folder);

// The Windows language identifier that a locale's language and territory correspond to, or 0.
int WindowsLanguageId(QLocale::Language language, QLocale::Territory territory);
// Language index of a Windows language identifier (0 when it has no module of its own).
int LanguageIndexForLangId(int langId);

class LanguageModule {
public:
    LanguageModule();
    ~LanguageModule();

    // Loads the module of `index` from `folder` (the shipped modules when empty). A missing
    // or unreadable module is no error: every text is then empty.
    bool Load(int index, const QString& folder = QString());
    bool IsLoaded() const;
    // Text `id`, cut to 1023 characters for id 2010 and to 255 for every other id. Safe to
    // call from any thread while the UI thread replaces the module.
    QString Text(int id) const;
    // The writing direction of the loaded module's language; left to right without a module.
    Qt::LayoutDirection Direction() const;

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const QTranslator> translator_;
};

// The module every text of the program comes from: the host sets it once its settings are
// read, and clears it before they go. Texts are empty while none is set.
void SetActiveLanguage(const LanguageModule* module);
QString LanguageText(int id);

}  // namespace trelvix
