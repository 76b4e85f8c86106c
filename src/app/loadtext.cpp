#include "app/loadtext.h"

#include <QByteArray>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>

#include "app/appsettings.h"
#include "app/languagetable.h"

namespace {

// The compiled tables, loaded once on first use, in the order of LanguageTable::StringTables().
class StringTables {
  public:
    static const StringTables& Get() {
        static const StringTables tables;
        return tables;
    }

    const QTranslator* Find(int tableId) const {
        const auto all = LanguageTable::StringTables();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i].id == tableId) return translators_[i].get();
        return nullptr;
    }

  private:
    StringTables() {
        const auto all = LanguageTable::StringTables();
        for (std::size_t i = 0; i < all.size() && i < translators_.size(); ++i) {
            auto translator = std::make_unique<QTranslator>();
            const QString file = QStringLiteral(":/i18n/orvan_") +
                                 QString::fromLatin1(all[i].name.data(), qsizetype(all[i].name.size())) +
                                 QStringLiteral(".qm");
            // A table that does not load stays empty: its texts then come from English.
            if (translator->load(file)) translators_[i] = std::move(translator);
        }
    }

    std::array<std::unique_ptr<QTranslator>, LanguageTable::kCount> translators_{};
};

}  // namespace

QString StringTableText(int tableId, int id) {
    const QTranslator* table = StringTables::Get().Find(tableId);
    if (table == nullptr) return {};
    // Id-based tables hold every message under an empty context with the id as its source.
    return table->translate(nullptr, QByteArray::number(id).constData());
}

QString LoadText(int id, int languageId) {
    QString text = StringTableText(LanguageTable::FindStringTable(languageId).id, id);
    if (text.isEmpty()) text = StringTableText(LanguageTable::kEnglishId, id);
    return text.isNull() ? QString(QLatin1String("")) : text;
}

QString LoadText(int id) {
    return LoadText(id, AppSettings::Current().GetLanguageId());
}

QString LoadSystemText(int id, const QString& localeName) {
    const int row = LanguageTable::FindBySystemLocale(localeName.toStdString());
    const LanguageRow* language = LanguageTable::Row(row >= 0 ? row : LanguageTable::kEnglishRow);
    return LoadText(id, language->LanguageId());
}

QString LoadSystemText(int id) {
    const QLocale system = QLocale::system();
    return LoadSystemText(id, system.uiLanguages().value(0, system.name()));
}
