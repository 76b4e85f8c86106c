#pragma once

#include <QRegularExpression>
#include <QString>
#include <QUrl>

// A tile address template as the user writes it in the settings: an http or https address with {z}, {x} and
// {y} where the tile's zoom level and column and row go, optionally {s} for one of the sub-domains a, b and
// c, and anything else (an account key, a style) written out literally. Only these four placeholders are
// known; the map pages expand them themselves.
class TileTemplate {
  public:
    // Checks text; a template that is not usable keeps the reason, in words a user can act on.
    explicit TileTemplate(const QString& text);

    bool IsValid() const { return problem_.isEmpty(); }
    // Empty when valid.
    const QString& Problem() const { return problem_; }
    const QString& Text() const { return text_; }

    // True when url is one this template expands to (what a page may ask the tile cache to fetch).
    bool Matches(const QString& url) const;

    static constexpr int kMaxLength = 2048;

  private:
    QString text_;
    QString problem_;
    QRegularExpression pattern_;
};
