#pragma once

#include <QTranslator>

// A catalogue that "translates" every text by putting a marker in front of it, so a test can tell
// which visible texts were set again through the translator after a language change.
class PrefixTranslator : public QTranslator
{
public:
    explicit PrefixTranslator(QString prefix)
        : m_prefix(std::move(prefix))
    { }
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        return m_prefix + QString::fromUtf8(sourceText);
    }

private:
    QString m_prefix;
};
