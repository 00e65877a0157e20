// Showing directions that hold one long run of letters without a space, in the recipe view's
// multi-line text box (4155 x 1575 twips), and pasting such a run into it, beside the floor: a
// plain QPlainTextEdit of the same size given the same text and told to wrap anywhere (the least
// the toolkit does to show it). Up to 64 000 characters also a plain QPlainTextEdit as the box
// was before, wrapping between words where it can. Medians of five, in milliseconds, from
// setting the text to the box painted.
#include "platform/controls.h"
#include "timing.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <cstdio>
#include <functional>

namespace {

double median5(const std::function<void()>& prepare, const std::function<void()>& run)
{
    std::vector<double> t;
    for (int i = 0; i < 5; ++i) {
        prepare();
        QApplication::processEvents();
        const auto start = Clock::now();
        run();
        t.push_back(ms(start, Clock::now()));
    }
    return median(t);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* box = new platform::TextBox(&window, QStringLiteral("txtFields(21)"), platform::TextBox::Kind::MultiLine);
    auto* plain = new QPlainTextEdit(&window);
    auto* old = new QPlainTextEdit(&window);
    const QSize size(277, 105);
    box->setGeometry(QRect(QPoint(0, 0), size));
    plain->setGeometry(QRect(QPoint(0, 120), size));
    old->setGeometry(QRect(QPoint(0, 240), size));
    for (QPlainTextEdit* e : {plain, old})
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    plain->setWordWrapMode(QTextOption::WrapAnywhere);
    window.resize(300, 360);
    window.show();
    auto* editor = static_cast<QPlainTextEdit*>(box->editor());

    std::printf("| characters | operation | box ms | floor ms | ratio | between words only ms |\n");
    std::printf("|---:|---|---:|---:|---:|---:|\n");
    for (const qsizetype n : {16000, 64000, 256000, 1000000}) {
        const QString run(n, QLatin1Char('w'));
        const auto clear = [&] {
            box->setTextFromData(QString());
            plain->setPlainText(QString());
            old->setPlainText(QString());
        };
        const double shown = median5(clear, [&] {
            box->setTextFromData(run);
            box->repaint();
        });
        const double floorShown = median5(clear, [&] {
            plain->setPlainText(run);
            plain->repaint();
        });
        QString before;
        if (n <= 64000) {
            const double t = median5(clear, [&] {
                old->setPlainText(run);
                old->repaint();
            });
            before = QString::number(t, 'f', 1);
        }
        std::printf("| %lld | show | %.1f | %.1f | %.2f | %s |\n", qlonglong(n), shown, floorShown, shown / floorShown,
                    qPrintable(before));
        const double pasted = median5(
            [&] {
                clear();
                QApplication::clipboard()->setText(run);
            },
            [&] {
                editor->paste();
                box->repaint();
            });
        const double floorPasted = median5(
            [&] {
                clear();
                QApplication::clipboard()->setText(run);
            },
            [&] {
                plain->paste();
                plain->repaint();
            });
        std::printf("| %lld | paste | %.1f | %.1f | %.2f | |\n", qlonglong(n), pasted, floorPasted,
                    pasted / floorPasted);
        std::fflush(stdout);
    }
    return 0;
}
