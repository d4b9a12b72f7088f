#include "mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace {

const char* const key_property = "sentara_mnemonic";

QChar letter_at(const QString& caption, qsizetype at) { return caption.at(at).toLower(); }

bool usable(QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; }

// Index of the "&" that marks the access key, or -1 ("&&" is a plain "&").
qsizetype marker(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

QString caption_of(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return QString();
}

void put_caption(QWidget* w, const QString& caption) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(caption);
    else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(caption);
}

// Controls that get a key: buttons with a caption of words (not the small symbol buttons), and
// labels that lead to a field.
bool wants_key(QWidget* w) {
    if (qobject_cast<QToolButton*>(w)) return false;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->focusPolicy() != Qt::NoFocus && !b->text().isEmpty();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->buddy() && l->textFormat() != Qt::RichText && !l->text().isEmpty();
    return false;
}

}  // namespace

QString plain_caption(const QString& caption) {
    QString out = caption;
    const qsizetype at = marker(out);
    if (at >= 0) out.remove(at, 1);
    return out.replace(QLatin1String("&&"), QLatin1String("&"));
}

QChar mnemonic_of(const QString& caption) {
    const qsizetype at = marker(caption);
    return at >= 0 ? caption.at(at + 1).toLower() : QChar();
}

void give_mnemonics(QWidget* window, const QList<QWidget*>& reached_otherwise) {
    std::set<QChar> taken;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* a : bar->actions())
            if (const QChar c = mnemonic_of(a->text()); !c.isNull()) taken.insert(c);
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && wants_key(w)) controls << w;
    const auto rank = [&](QWidget* w) { return reached_otherwise.contains(w) ? 2 : qobject_cast<QLabel*>(w) ? 1 : 0; };
    std::stable_sort(controls.begin(), controls.end(), [&](QWidget* a, QWidget* b) { return rank(a) < rank(b); });
    // Keys given by hand first.
    for (QWidget* w : controls)
        if (const QChar c = mnemonic_of(caption_of(w)); !c.isNull()) {
            taken.insert(c);
            w->setProperty(key_property, QString(c));
        }
    // Each caption's letters in the order it would like them: the start of a word first. Then
    // every caption gets one if the letters allow it: one that would take the only free letter of
    // another moves on to its next choice (an augmenting path of a matching).
    std::vector<std::vector<QChar>> wanted(size_t(controls.size()));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QString caption = caption_of(controls[i]);
        if (marker(caption) >= 0) continue;
        for (int pass = 0; pass < 2; ++pass)
            for (qsizetype at = 0; at < caption.size(); ++at) {
                const bool word_start = at == 0 || !caption[at - 1].isLetterOrNumber();
                if ((pass == 0) != word_start || !usable(caption[at])) continue;
                const QChar c = letter_at(caption, at);
                if (!taken.count(c) && std::find(wanted[size_t(i)].begin(), wanted[size_t(i)].end(), c) == wanted[size_t(i)].end())
                    wanted[size_t(i)].push_back(c);
            }
    }
    std::map<QChar, size_t> owner;
    std::function<bool(size_t, std::set<QChar>&)> claim = [&](size_t i, std::set<QChar>& seen) {
        for (const QChar c : wanted[i]) {
            if (!seen.insert(c).second) continue;
            const auto held = owner.find(c);
            if (held == owner.end() || claim(held->second, seen)) {
                owner[c] = i;
                return true;
            }
        }
        return false;
    };
    for (size_t i = 0; i < wanted.size(); ++i) {
        std::set<QChar> seen;
        claim(i, seen);
    }
    for (const auto& [c, i] : owner) {
        QWidget* w = controls[qsizetype(i)];
        const QString caption = caption_of(w);
        qsizetype at = -1;
        for (qsizetype k = 0; k < caption.size() && at < 0; ++k)
            if (letter_at(caption, k) == c && (k == 0 || !caption[k - 1].isLetterOrNumber())) at = k;
        if (at < 0) at = caption.indexOf(c, 0, Qt::CaseInsensitive);
        w->setProperty(key_property, QString(c));
        put_caption(w, QString(caption).insert(at, u'&'));
    }
}

void set_caption(QWidget* control, const QString& caption) {
    const QString key = control->property(key_property).toString();
    QString text = caption;
    if (!key.isEmpty() && marker(text) < 0) {
        // The start of a word first, as the key was first given.
        qsizetype at = -1;
        for (qsizetype i = 0; i < text.size() && at < 0; ++i)
            if (text[i].toLower() == key[0] && (i == 0 || !text[i - 1].isLetterOrNumber())) at = i;
        if (at < 0) at = text.indexOf(key[0], 0, Qt::CaseInsensitive);
        if (at >= 0) text.insert(at, u'&');
    }
    put_caption(control, text);
}
