// Benchmarks of Tandro's engine and main window. Each group runs against a yardstick, and the
// ratios are printed after the usual table:
//  - GetNumber against the rules done literally, step by step, on names of 10, 1,000 and 32,766
//    letters, all shared (best case) and none shared (worst case, also with the partner's name
//    in capitals);
//  - the strike order for step counts from 1 to 2,147,483,647;
//  - building and first painting the main window, against a bare widget of the same size with
//    the same number of plain child widgets;
//  - a whole game on the main window, Go pressed with names of a million letters each and no
//    pause between strikes, against the least that any game does with such names: reading both
//    once, in lower case.
// Run offscreen: the window benchmarks need no display.

#include "elimination.h"
#include "frmmain.h"
#include "literalrules.h"
#include "names.h"
#include "process.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>

#include <cstdio>
#include <limits>

namespace {

enum class Letters { AllShared, NoneShared, NoneSharedCapitals };

// A name of length letters cycling through alphabet.
QString nameOf(qsizetype length, QStringView alphabet)
{
    QString name;
    name.reserve(length);
    for (qsizetype i = 0; i < length; ++i)
        name.append(alphabet[i % alphabet.size()]);
    return name;
}

template <qsizetype (*getNumber)(QString &, QString &)>
void getNumberOn(benchmark::State &state, qsizetype length, Letters letters)
{
    const QString yourName = nameOf(length, u"abcdefghijklm");
    const QString partnerName = nameOf(length,
                                       letters == Letters::AllShared            ? u"abcdefghijklm"
                                               : letters == Letters::NoneShared ? u"nopqrstuvwxyz"
                                                                                : u"NOPQRSTUVWXYZ");
    for (auto _ : state) {
        QString your = yourName; // both are rewritten
        QString partner = partnerName;
        benchmark::DoNotOptimize(getNumber(your, partner));
    }
}

void registerGetNumber()
{
    for (const qsizetype length : { 10, 1000, 32766 }) {
        for (const Letters letters :
             { Letters::AllShared, Letters::NoneShared, Letters::NoneSharedCapitals }) {
            const char *which = letters == Letters::AllShared ? "best"
                    : letters == Letters::NoneShared          ? "worst"
                                                              : "worst-capitals";
            const std::string size = std::to_string(length);
            benchmark::RegisterBenchmark(
                    ("GetNumber/linear/" + std::string(which) + "/" + size).c_str(),
                    getNumberOn<Tandro::GetNumber>, length, letters)
                    ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(
                    ("GetNumber/literal/" + std::string(which) + "/" + size).c_str(),
                    getNumberOn<Literal::getNumber>, length, letters)
                    ->Unit(benchmark::kMicrosecond);
        }
    }
}

void registerStrikeOrder()
{
    for (const qsizetype count : { qsizetype(1), qsizetype(60), qsizetype(65533),
                                   qsizetype(std::numeric_limits<qint32>::max()) }) {
        const std::string name = std::to_string(count);
        benchmark::RegisterBenchmark(("strikeOrder/engine/" + name).c_str(),
                                     [count](benchmark::State &state) {
                                         for (auto _ : state) {
                                             QList<Tandro::Step> shown;
                                             Tandro::ShowResult(shown, count);
                                             benchmark::DoNotOptimize(shown);
                                         }
                                     });
        // Counting one slot at a time would take seconds for the largest count.
        if (count <= 65533) {
            benchmark::RegisterBenchmark(
                    ("strikeOrder/literal/" + name).c_str(), [count](benchmark::State &state) {
                        for (auto _ : state)
                            benchmark::DoNotOptimize(Literal::strikeOrder(count));
                    });
        }
    }
}

// The number of controls on the main window.
constexpr int ControlCount = 20;

void mainWindowFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        auto *window = new frmMain;
        window->show();
        window->repaint();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}

void bareWidgetFirstPaint(benchmark::State &state)
{
    const QSize size = [] {
        frmMain window;
        return window.sizeHint();
    }();
    for (auto _ : state) {
        auto *window = new QWidget;
        window->resize(size);
        for (int i = 0; i < ControlCount; ++i)
            (new QWidget(window))->setGeometry(i * 10, i * 10, 70, 20);
        window->show();
        window->repaint();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}

// 1,000,000 and 999,985 letters, none shared: the game of 5, which leaves "Hates".
const QString MillionLetterName = QString(500000, u'a') + QString(500000, u'A');
const QString PartnerMillionLetterName(999985, u'b');

// Presses Go, and returns once the game has ended.
void playGo(frmMain &window, QPushButton *go)
{
    go->click();
    while (window.isBusy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void goPressedWithMillionLetterNames(benchmark::State &state)
{
    frmMain window;
    window.setStrikePause(std::chrono::milliseconds(0));
    window.show();
    window.findChild<QLineEdit *>(QStringLiteral("txtYourName"))->setText(MillionLetterName);
    window.findChild<QLineEdit *>(QStringLiteral("txtYourPartner"))
            ->setText(PartnerMillionLetterName);
    // The boxes lay out the pasted names once, as they are first shown and focused, which a first
    // game would pay for: it is played before the clock starts.
    auto *go = window.findChild<QPushButton *>(QStringLiteral("cmdGo"));
    playGo(window, go);
    for (auto _ : state)
        playGo(window, go);
}

void namesLowerCasedWithMillionLetterNames(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(MillionLetterName.toLower());
        benchmark::DoNotOptimize(PartnerMillionLetterName.toLower());
    }
}

// The usual table, then each benchmark's time over its yardstick's.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_seconds[run.benchmark_name()] =
                        run.real_accumulated_time / double(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nRatios:\n");
        for (auto it = m_seconds.cbegin(); it != m_seconds.cend(); ++it) {
            const std::string &name = it.key();
            for (const auto &[what, yardstick] :
                 { std::pair { "/linear/", "/literal/" }, std::pair { "/engine/", "/literal/" },
                   std::pair { "mainWindow", "bareWidget" },
                   std::pair { "goPressed", "namesLowerCased" } }) {
                const std::string::size_type at = name.find(what);
                if (at == std::string::npos)
                    continue;
                std::string other = name;
                other.replace(at, std::string(what).size(), yardstick);
                if (m_seconds.contains(other)) {
                    const double speedUp = m_seconds[other] / it.value();
                    std::printf("  %-40s %8.1f x %s than %s\n", name.c_str(),
                                speedUp >= 1 ? speedUp : 1 / speedUp,
                                speedUp >= 1 ? "faster" : "slower", other.c_str());
                }
            }
        }
    }

private:
    QMap<std::string, double> m_seconds;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tandro"));
    Process::setUp(QString());

    benchmark::Initialize(&argc, argv);
    registerGetNumber();
    registerStrikeOrder();
    benchmark::RegisterBenchmark("mainWindowFirstPaint", mainWindowFirstPaint)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("bareWidgetFirstPaint", bareWidgetFirstPaint)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("goPressedWithMillionLetterNames", goPressedWithMillionLetterNames)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("namesLowerCasedWithMillionLetterNames",
                                 namesLowerCasedWithMillionLetterNames)
            ->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
