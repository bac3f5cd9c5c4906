// The expression builder on a 10,000-line Java document: from opening to a filled class
// list, and from a class click to its filled member list. Medians of 15 runs.
#include "analysis/javasource/JavaDocumentScanner.h"
#include "editor/EditorAdapter.h"
#include "java/generators/ExpressionBuilder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Classes = 40;
constexpr int Lines = 10000;

// Top-level classes of fields and methods, 250 lines each.
QString javaDocument()
{
    QStringList lines {QStringLiteral("import java.util.*;")};
    lines.reserve(Lines);
    for (int c = 0; c < Classes; ++c) {
        lines << QStringLiteral("public class Shape%1 extends Object {").arg(c);
        const int classEnd = (c + 1) * Lines / Classes - 1; // the line of its closing brace
        for (int m = 0; lines.size() + 6 <= classEnd; ++m)
            lines << QStringLiteral("    private int count%1 = %1;").arg(m)
                  << QStringLiteral("    /** Adds to count%1. */").arg(m)
                  << QStringLiteral("    public int add%1(int a, String b) {").arg(m)
                  << QStringLiteral("        count%1 += a + b.length(); // sum").arg(m)
                  << QStringLiteral("        return count%1;").arg(m) << QStringLiteral("    }");
        while (lines.size() < classEnd)
            lines << QString();
        lines << QStringLiteral("}");
    }
    return lines.join(u'\n');
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    EditorAdapter document;
    document.setText(javaDocument());
    const CodeTarget target {[&document] { return &document; }, nullptr};

    std::vector<double> open, click, scan;
    int classCount = 0;
    int memberCount = 0;
    for (int round = 0; round < 15; ++round) {
        QElapsedTimer t;
        t.start();
        JavaDocumentScanner::FinnKlasseNavnene(&document);
        scan.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        auto *builder = new TExpBuilder(target);
        builder->show();
        QApplication::processEvents();
        open.push_back(t.nsecsElapsed() / 1e6);
        classCount = builder->ListView1->count();

        builder->ListView1->setCurrentRow(classCount / 2);
        t.restart();
        builder->ListView1Click();
        QApplication::processEvents();
        click.push_back(t.nsecsElapsed() / 1e6);
        memberCount = builder->ListView2->count();
        delete builder;
    }
    std::printf("expression builder on %d lines: open with %d classes listed %.1f ms (target < 100 "
                "ms; the class scan alone %.1f ms)\n",
                document.lineCount(), classCount, median(open), median(scan));
    std::printf("expression builder class click: %d members listed %.1f ms (target < 50 ms)\n",
                memberCount, median(click));
    return 0;
}
