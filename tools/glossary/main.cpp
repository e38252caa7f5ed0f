// SPDX-License-Identifier: GPL-3.0-or-later
// nizam-glossary: reads every text the program draws and names each one that
// calls a concept of the course by another word than the glossary's.
//
//   nizam-glossary GLOSSARY.tsv ROOT [--titles]
//
// ROOT is a source tree: the texts are those of the page drawings
// (screens/*/form*/*.svg), the shared pictures and the kit (assets/**/*.svg),
// the drag-label cards (screens/*/form*/cards.tsv) and the string literals of
// the animations (animations/*.qml: captions, tags, signs). With --titles the
// page titles of the program's own pages are read as well.
//
// A glossary line is `concept<TAB>term<TAB>french<TAB>variants<TAB>allowed`:
// the variants are the phrases that must not appear, the allowed ones are
// phrases that contain a variant and are right as they are (a product's
// everyday name); both are lists separated by `|`, `-` for none.
//
// Words are compared as a reader sees them: short vowels, shadda, tatweel and
// direction marks do not count, nor the hamza's seat on an alef, and a word
// may carry a leading conjunction or preposition (و ف ب ك ل, لل for ال).
//
// Exit status: 0 when no text uses a variant, 1 when one does (each is named
// with its file, line and text), 2 when the glossary or a file is unreadable.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/registry.h"

namespace {

using Words = QStringList;

struct Entry {
    QString subject, term, french;
    std::vector<Words> variants;
    std::vector<Words> allowed;
    QStringList variantTexts;
};

// One text as the pupil reads it, where it comes from.
struct Text {
    QString where;  // file:line
    QString shown;
};

bool isMark(char16_t c) {
    return (c >= 0x064B && c <= 0x065F) || c == 0x0670 || c == 0x0640 || c == 0x200C || c == 0x200D ||
           c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The words of a text, each reduced to its letters as compared.
Words wordsOf(const QString& text) {
    Words words;
    QString word;
    for (const QChar ch : text) {
        char16_t c = ch.unicode();
        if (isMark(c)) continue;
        if (c == 0x0622 || c == 0x0623 || c == 0x0625 || c == 0x0671) c = 0x0627;  // آ أ إ ٱ -> ا
        if (c == 0x0649) c = 0x064A;                                                // ى -> ي
        const QChar k(c);
        if (k.isLetterOrNumber() || c == 0x2019 || c == '\'') {
            word += k.toLower();
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty()) words << word;
    return words;
}

// A text's word stands for the glossary's word, allowing one leading clitic.
bool sameWord(const QString& seen, const QString& wanted, bool first) {
    if (seen == wanted) return true;
    if (!first) return false;
    static const QStringList prefixes = {"و", "ف", "ب", "ك", "ل", "وب", "ول", "وك", "فب", "فل", "فك"};
    for (const QString& p : prefixes)
        if (seen.size() == p.size() + wanted.size() && seen.startsWith(p) && seen.endsWith(wanted)) return true;
    if (wanted.startsWith(u"ال") && wanted.size() > 2) {
        const QString rest = wanted.mid(2);
        for (const QString& p : {QStringLiteral("لل"), QStringLiteral("ولل"), QStringLiteral("فلل")})
            if (seen == p + rest) return true;
    }
    return false;
}

// Where a phrase starts in a list of words, each place once.
std::vector<int> find(const Words& words, const Words& phrase) {
    std::vector<int> at;
    if (phrase.isEmpty()) return at;
    for (int i = 0; i + int(phrase.size()) <= int(words.size()); ++i) {
        bool all = true;
        for (int j = 0; j < int(phrase.size()) && all; ++j) all = sameWord(words[i + j], phrase[j], j == 0);
        if (all) at.push_back(i);
    }
    return at;
}

[[noreturn]] void unreadable(const QString& what) {
    std::fprintf(stderr, "nizam-glossary: %s\n", qPrintable(what));
    std::exit(2);
}

std::vector<Entry> readGlossary(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) unreadable(path + ": cannot be read");
    std::vector<Entry> entries;
    QTextStream in(&file);
    int number = 0;
    auto phrases = [](const QString& cell) {
        std::vector<Words> list;
        if (cell.trimmed() == "-") return list;
        for (const QString& p : cell.split('|', Qt::SkipEmptyParts)) {
            const Words w = wordsOf(p);
            if (!w.isEmpty()) list.push_back(w);
        }
        return list;
    };
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++number;
        if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
        const QStringList cells = line.split('\t');
        const QString here = QStringLiteral("%1:%2: ").arg(path).arg(number);
        if (cells.size() != 5) unreadable(here + QStringLiteral("%1 columns, not 5").arg(cells.size()));
        Entry e{cells[0].trimmed(), cells[1].trimmed(), cells[2].trimmed(), phrases(cells[3]), phrases(cells[4]), {}};
        if (e.subject.isEmpty() || wordsOf(e.term).isEmpty()) unreadable(here + "a concept and its term are needed");
        if (cells[3].trimmed() != "-")
            for (const QString& v : cells[3].split('|', Qt::SkipEmptyParts)) e.variantTexts << v.trimmed();
        if (e.variants.size() != std::size_t(e.variantTexts.size()))
            unreadable(here + "an empty variant");
        // The term itself must pass, or the glossary could never be met.
        const Words term = wordsOf(e.term);
        for (const Words& v : e.variants)
            if (!find(term, v).empty()) {
                bool excused = false;
                for (const Words& a : e.allowed) excused = excused || !find(term, a).empty();
                if (!excused) unreadable(here + "the term «" + e.term + "» contains its variant «" + v.join(' ') + "»");
            }
        entries.push_back(std::move(e));
    }
    if (entries.empty()) unreadable(path + ": no concept");
    return entries;
}

// The <text> elements of a drawing, each with the line it starts on.
std::vector<Text> svgTexts(const QString& path, const QString& name) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) unreadable(path + ": cannot be read");
    QXmlStreamReader xml(&file);
    std::vector<Text> texts;
    int depth = 0;
    qint64 line = 0;
    QString content;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"text") {
            if (depth++ == 0) line = xml.lineNumber(), content.clear();
        } else if (xml.isEndElement() && xml.name() == u"text") {
            if (--depth == 0) texts.push_back({QStringLiteral("%1:%2").arg(name).arg(line), content.simplified()});
        } else if (xml.isCharacters() && depth > 0) {
            content += xml.text();
        } else if (xml.isStartElement() && depth > 0) {
            content += ' ';  // a <tspan> on a line of its own starts a word
        }
    }
    if (xml.hasError()) unreadable(QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString()));
    return texts;
}

// The text a card shows, its markup taken away: "{red,sub:3}" shows "3",
// "\n" breaks the line.
QString cardText(const QString& cell) {
    QString shown;
    for (int i = 0; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c == '\\' && i + 1 < cell.size()) {
            const QChar n = cell[++i];
            shown += n == 'n' ? QChar(' ') : n;
        } else if (c == '{') {
            const int colon = cell.indexOf(':', i);
            if (colon > i) i = colon;
        } else if (c != '}') {
            shown += c;
        }
    }
    return shown;
}

std::vector<Text> cardTexts(const QString& path, const QString& name) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) unreadable(path + ": cannot be read");
    std::vector<Text> texts;
    QTextStream in(&file);
    int number = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++number;
        if (line.startsWith('#') || line.startsWith('@')) continue;
        const QStringList cells = line.split('\t');
        if (cells.size() >= 4) texts.push_back({QStringLiteral("%1:%2").arg(name).arg(number), cardText(cells[3])});
    }
    return texts;
}

// The string literals of a scene, comments left out.
std::vector<Text> qmlTexts(const QString& path, const QString& name) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) unreadable(path + ": cannot be read");
    const QString source = QString::fromUtf8(file.readAll());
    std::vector<Text> texts;
    int line = 1;
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == '\n') {
            ++line;
        } else if (c == '/' && i + 1 < source.size() && source[i + 1] == '/') {
            while (i + 1 < source.size() && source[i + 1] != '\n') ++i;
        } else if (c == '/' && i + 1 < source.size() && source[i + 1] == '*') {
            for (i += 2; i + 1 < source.size() && !(source[i] == '*' && source[i + 1] == '/'); ++i)
                if (source[i] == '\n') ++line;
            ++i;
        } else if (c == '"' || c == '\'' || c == '`') {
            const int start = line;
            QString literal;
            for (++i; i < source.size() && source[i] != c; ++i) {
                if (source[i] == '\\' && i + 1 < source.size()) {
                    ++i;
                    literal += source[i] == 'n' ? QChar(' ') : source[i];
                } else {
                    if (source[i] == '\n') ++line;
                    literal += source[i];
                }
            }
            texts.push_back({QStringLiteral("%1:%2").arg(name).arg(start), literal});
        }
    }
    return texts;
}

QStringList filesUnder(const QString& root, const QString& folder, const QStringList& patterns) {
    QStringList files;
    QDirIterator it(root + '/' + folder, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    files.sort();
    return files;
}

struct Checker {
    const std::vector<Entry>& glossary;
    int offences = 0;

    // A group of texts read one after another (the lines of one drawing), so
    // that a phrase broken over two lines is found too.
    void check(const std::vector<Text>& texts, bool joined) {
        if (!joined) {
            for (const Text& t : texts) check({t}, true);
            return;
        }
        Words words;
        std::vector<int> owner;
        for (int k = 0; k < int(texts.size()); ++k)
            for (const QString& w : wordsOf(texts[k].shown)) words << w, owner.push_back(k);
        for (const Entry& e : glossary) {
            std::vector<std::pair<int, int>> excused;
            for (const Words& a : e.allowed)
                for (int at : find(words, a)) excused.emplace_back(at, at + int(a.size()));
            // The longest variants first: a shorter one inside a phrase
            // already named is the same fault, named once.
            std::vector<int> order(e.variants.size());
            for (int v = 0; v < int(order.size()); ++v) order[v] = v;
            std::stable_sort(order.begin(), order.end(),
                             [&](int a, int b) { return e.variants[a].size() > e.variants[b].size(); });
            for (const int v : order) {
                const Words& variant = e.variants[v];
                for (int at : find(words, variant)) {
                    const int end = at + int(variant.size());
                    bool ok = false;
                    for (const auto& [from, to] : excused) ok = ok || (from <= at && end <= to);
                    if (ok) continue;
                    excused.emplace_back(at, end);
                    QStringList shown;
                    for (int k = owner[at]; k <= owner[end - 1]; ++k) shown << texts[k].shown;
                    std::printf("%s: «%s» says «%s» where the course says «%s» (%s)\n",
                                qPrintable(texts[owner[at]].where), qPrintable(shown.join(" / ")),
                                qPrintable(e.variantTexts.value(v)), qPrintable(e.term), qPrintable(e.subject));
                    ++offences;
                }
            }
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4 || (args.size() == 4 && args[3] != "--titles")) {
        std::fprintf(stderr, "usage: nizam-glossary GLOSSARY.tsv ROOT [--titles]\n");
        return 2;
    }
    const std::vector<Entry> glossary = readGlossary(args[1]);
    const QString root = QDir(args[2]).absolutePath();
    if (!QDir(root).exists()) unreadable(root + ": no such folder");
    const QDir base(root);
    Checker checker{glossary};
    int drawings = 0, tables = 0, scenes = 0, titles = 0;

    QStringList svgs;
    for (const QString& f : filesUnder(root, "screens", {"*.svg"}))
        if (QRegularExpression("/screens/[^/]+/form[0-9]+/[^/]+\\.svg$").match(f).hasMatch()) svgs << f;
    svgs << filesUnder(root, "assets", {"*.svg"});
    for (const QString& f : svgs) checker.check(svgTexts(f, base.relativeFilePath(f)), true), ++drawings;
    for (const QString& f : filesUnder(root, "screens", {"cards.tsv"}))
        checker.check(cardTexts(f, base.relativeFilePath(f)), false), ++tables;
    for (const QString& f : filesUnder(root, "animations", {"*.qml"}))
        checker.check(qmlTexts(f, base.relativeFilePath(f)), false), ++scenes;
    if (args.size() == 4) {
        std::vector<Text> shown;
        for (const nizam::RegistryEntry& e : nizam::screenRegistry())
            shown.push_back({"page title of " + QString::fromStdString(e.name),
                             QString::fromUtf8(e.module->title.data(), qsizetype(e.module->title.size()))});
        titles = int(shown.size());
        checker.check(shown, false);
    }
    std::printf("read %d drawings, %d card tables, %d scenes and %d page titles against %zu concepts: %d %s\n",
                drawings, tables, scenes, titles, glossary.size(), checker.offences,
                checker.offences == 1 ? "variant" : "variants");
    return checker.offences == 0 ? 0 : 1;
}
