#include "map/tiletemplate.h"

#include <QSet>

namespace {

// What Leaflet writes for each placeholder: tile numbers may be negative on Baidu's grid.
QString PlaceholderPattern(const QString& name) {
    return name == QLatin1String("s") ? QStringLiteral("[abc]") : QStringLiteral("-?[0-9]{1,9}");
}

}  // namespace

TileTemplate::TileTemplate(const QString& text) : text_(text.trimmed()) {
    if (text_.isEmpty()) {
        problem_ = QStringLiteral("empty");
        return;
    }
    if (text_.size() > kMaxLength) {
        problem_ = QStringLiteral("longer than %1 characters").arg(kMaxLength);
        return;
    }
    for (const QChar c : text_) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c == QLatin1Char('"') ||
            c == QLatin1Char('\\') || c == QLatin1Char('<') || c == QLatin1Char('>')) {
            problem_ = QStringLiteral("holds a blank or a character not allowed in an address");
            return;
        }
    }

    QString pattern = QStringLiteral("^");
    QSet<QString> seen;
    qsizetype pos = 0;
    while (pos < text_.size()) {
        const qsizetype open = text_.indexOf(QLatin1Char('{'), pos);
        const QString literal = text_.mid(pos, open < 0 ? -1 : open - pos);
        if (literal.contains(QLatin1Char('}'))) {
            problem_ = QStringLiteral("has a '}' without its '{'");
            return;
        }
        pattern += QRegularExpression::escape(literal);
        if (open < 0) break;
        const qsizetype close = text_.indexOf(QLatin1Char('}'), open);
        const qsizetype nextOpen = text_.indexOf(QLatin1Char('{'), open + 1);
        if (close < 0 || (nextOpen >= 0 && nextOpen < close)) {
            problem_ = QStringLiteral("has a '{' without its '}'");
            return;
        }
        const QString name = text_.mid(open + 1, close - open - 1);
        if (name != QLatin1String("x") && name != QLatin1String("y") && name != QLatin1String("z") &&
            name != QLatin1String("s")) {
            problem_ = QStringLiteral("unknown placeholder {%1}").arg(name);
            return;
        }
        seen.insert(name);
        pattern += PlaceholderPattern(name);
        pos = close + 1;
    }
    if (!seen.contains(QStringLiteral("x")) || !seen.contains(QStringLiteral("y")) ||
        !seen.contains(QStringLiteral("z"))) {
        problem_ = QStringLiteral("needs {x}, {y} and {z}");
        return;
    }

    // The address itself, with every placeholder given a value.
    QString sample = text_;
    sample.replace(QLatin1String("{s}"), QLatin1String("a"));
    for (const char* name : {"{x}", "{y}", "{z}"}) sample.replace(QLatin1String(name), QLatin1String("1"));
    const QUrl url(sample, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        problem_ = QStringLiteral("not an http or https address");
        return;
    }
    if (url.host().isEmpty()) {
        problem_ = QStringLiteral("names no server");
        return;
    }
    if (!url.userInfo().isEmpty()) {
        problem_ = QStringLiteral("holds a user name or password");
        return;
    }
    pattern_ = QRegularExpression(pattern + QStringLiteral("$"));
}

bool TileTemplate::Matches(const QString& url) const {
    return IsValid() && pattern_.match(url).hasMatch();
}
