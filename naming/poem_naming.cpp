#include "poem_naming.h"

#include "data/char_dictionary.h"
#include "data/db_error.h"

PoemNamingOutcome RunPoemNaming(const PoemNamingInput& in)
{
    PoemNamingOutcome out;
    out.missingElements = in.missingElements;
    const auto refuse = [&](const QString& message, bool focusSurname = false) {
        out.end = PoemNamingEnd::Refused;
        out.message = message;
        out.focusSurname = focusSurname;
        return out;
    };
    const QString surname = in.surnameBox.trimmed();
    if (surname.isEmpty()) return refuse(QStringLiteral("姓不能为空!"), true);
    if (in.text.trimmed().isEmpty()) return refuse(QStringLiteral("没有选择诗词，请查看已选诗词!"));

    PoemNameRequest request{surname, in.birth.sex.trimmed(), in.oneCharacter, in.text, {}, {}};
    if (in.matchChart) {
        // A box left empty, a box that is no number or a day that does not exist stops the start
        // with its message; no search runs on an old or half-made preference.
        const auto missing = ChartElementsFor(in.birth, in.elements);
        if (!missing) return refuse(missing.error());
        const QStringList chars = textCharacters(surname);
        const ElementPreference preference =
            PreferredElements(*missing, CharElement(chars.value(0)), CharElement(chars.value(1)));
        out.missingElements = preference.missing;
        request.first = preference.first;
        request.second = preference.second;
    }
    try {
        out.names = FindPoemNames(request);
    } catch (const DbError&) {
        out.end = PoemNamingEnd::Abandoned;
        return out;
    }
    out.end = out.names.isEmpty() ? PoemNamingEnd::NoName : PoemNamingEnd::Listed;
    return out;
}

QString NoPoemNameCaption() { return QStringLiteral("起名提示"); }

QString NoPoemNameMessage()
{
    return QStringLiteral("提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！");
}
