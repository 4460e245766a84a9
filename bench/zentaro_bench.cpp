// Benchmarks of what a user waits for: the main window's start-up, a click
// until the output box holds its text, and long field texts composed and shown.
// Each figure ends up in one table against the program's goals.
//
// Run by bench/run_benchmarks.sh. The same binary, started with
// --start-process main|bare T0, is one fresh process of the start-up and
// peak-memory comparison.
#include "bare_window.h"
#include "catalogue.h"
#include "main_window.h"
#include "paint_probe.h"
#include "qt_text.h"
#include "results_table.h"
#include "theme.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <string>

using namespace zentaro;
using namespace zentaro::bench;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// CLOCK_MONOTONIC is shared by all processes of the machine, so a parent can
// hand its start instant to a child.
long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Peak resident set size of this process so far, in KiB.
long PeakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// The windows compared at start-up: the program's, the bare one, and the bare
// one wearing the program's skin and font (to tell the skin's share apart).
enum class Variant { Program, Bare, BareSkinned };

const char* VariantName(Variant variant) {
    switch (variant) {
        case Variant::Program: return "main";
        case Variant::Bare: return "bare";
        case Variant::BareSkinned: return "bare+skin";
    }
    return "";
}

std::unique_ptr<QWidget> BuildWindow(Variant variant) {
    if (variant == Variant::Program) return std::make_unique<MainWindow>();
    if (variant == Variant::BareSkinned) {  // as the program does: before any widget exists
        UseDefaultGuiFont();
        ApplySkin(kStartupSkin);
    }
    return BuildBareWindow();
}

// Destroys a window and everything it left queued, so that the next round
// starts from the same state.
void DestroyWindow(std::unique_ptr<QWidget>& window) {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    // The skin is application-wide; the bare window must not inherit it.
    qApp->setStyleSheet(QString());
}

// Seconds from the start of the window's construction until its first paint
// has been delivered and the pass that painted it has ended (see PaintProbe).
double StartToFirstPaint(Variant variant) {
    const Clock::time_point start = Clock::now();
    std::unique_ptr<QWidget> window = BuildWindow(variant);
    double seconds = 0;
    {
        PaintProbe probe(window.get());
        window->show();
        if (!probe.Wait()) {
            std::fprintf(stderr, "no paint of the %s window\n", VariantName(variant));
            std::exit(3);
        }
        seconds = SecondsSince(start);
    }
    DestroyWindow(window);
    return seconds;
}

std::string CensusDifference(const std::map<std::string, int>& program, const std::map<std::string, int>& bare) {
    std::map<std::string, std::pair<int, int>> both;
    for (const auto& [kind, count] : program) both[kind].first = count;
    for (const auto& [kind, count] : bare) both[kind].second = count;
    std::string text;
    for (const auto& [kind, counts] : both)
        if (counts.first != counts.second) text += Format(" %s: main %d, bare %d;", kind.c_str(), counts.first, counts.second);
    return text;
}

// The windows are built, shown and painted in turns, in the same process,
// after a warm-up round of each that pays the one-time costs (plugins, fonts,
// pictures read into the pixmap cache). Medians of many rounds.
void BM_StartToFirstPaintInProcess(benchmark::State& state) {
    {
        std::unique_ptr<QWidget> program = BuildWindow(Variant::Program);
        std::unique_ptr<QWidget> bare = BuildWindow(Variant::Bare);
        const std::string difference = CensusDifference(WidgetCensus(program.get()), WidgetCensus(bare.get()));
        if (!difference.empty()) std::fprintf(stderr, "the windows' widgets differ:%s\n", difference.c_str());
        DestroyWindow(program);
        DestroyWindow(bare);
    }
    constexpr Variant kVariants[] = {Variant::Program, Variant::Bare, Variant::BareSkinned};
    for (Variant variant : kVariants) StartToFirstPaint(variant);

    std::map<Variant, std::vector<double>> seconds;
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < std::size(kVariants); ++i) {
            const Variant variant = kVariants[(first + i) % std::size(kVariants)];
            seconds[variant].push_back(StartToFirstPaint(variant));
        }
        first = (first + 1) % std::size(kVariants);
        state.SetIterationTime(seconds[Variant::Program].back());
    }
    const double programMs = Median(seconds[Variant::Program]) * 1e3;
    const double bareMs = Median(seconds[Variant::Bare]) * 1e3;
    const double skinnedMs = Median(seconds[Variant::BareSkinned]) * 1e3;
    state.counters["main_ms"] = programMs;
    state.counters["bare_ms"] = bareMs;
    state.counters["bare_skin_ms"] = skinnedMs;
    Record({"start to first paint, main/bare, same process",
            Format("%.2f (%.1f / %.1f ms)", programMs / bareMs, programMs, bareMs), "<= 1.3", programMs / bareMs <= 1.3});
    Record({"  the same, bare window wearing the skin and font",
            Format("%.2f (%.1f / %.1f ms)", programMs / skinnedMs, programMs, skinnedMs), "", std::nullopt});
}
BENCHMARK(BM_StartToFirstPaintInProcess)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);

struct ProcessRun {
    double startToPaintMs = 0;
    double peakMiB = 0;
};

ProcessRun RunFreshProcess(bool program) {
    const char* name = VariantName(program ? Variant::Program : Variant::Bare);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long start = MonotonicNs();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--start-process"), QString::fromLatin1(name), QString::number(start)});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "the %s start-up process failed\n", name);
        std::exit(3);
    }
    long long paintedNs = 0;
    long peakKiB = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "painted_ns=%lld peak_kib=%ld", &paintedNs, &peakKiB) !=
        2) {
        std::fprintf(stderr, "the %s start-up process reported nothing\n", name);
        std::exit(3);
    }
    return {static_cast<double>(paintedNs) / 1e6, static_cast<double>(peakKiB) / 1024.0};
}

// Each round starts one fresh process with the main window and one with the
// bare window, in turns; each reports from its exec to its first paint and its
// peak resident memory at that moment.
void BM_FreshProcessStartAndPeakMemory(benchmark::State& state) {
    std::vector<double> programMs, bareMs, programMiB, bareMiB;
    bool programFirst = true;
    for (auto _ : state) {
        for (bool program : {programFirst, !programFirst}) {
            const ProcessRun run = RunFreshProcess(program);
            (program ? programMs : bareMs).push_back(run.startToPaintMs);
            (program ? programMiB : bareMiB).push_back(run.peakMiB);
        }
        programFirst = !programFirst;
        state.SetIterationTime(programMs.back() / 1e3);
    }
    const double ratio = Median(programMs) / Median(bareMs);
    const double extraMiB = Median(programMiB) - Median(bareMiB);
    state.counters["ratio"] = ratio;
    state.counters["extra_MiB"] = extraMiB;
    Record({"start to first paint, main/bare, fresh processes",
            Format("%.2f (%.1f / %.1f ms)", ratio, Median(programMs), Median(bareMs)), "<= 1.3", ratio <= 1.3});
    Record({"peak memory (VmHWM), main - bare, fresh processes",
            Format("%+.1f MiB (%.1f / %.1f MiB)", extraMiB, Median(programMiB), Median(bareMiB)), "<= 10 MiB",
            extraMiB <= 10.0});
}
BENCHMARK(BM_FreshProcessStartAndPeakMemory)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

// One main window, shown, shared by the click benchmarks.
class ShownMainWindow {
public:
    static ShownMainWindow& Get() {
        if (!instance_) instance_.reset(new ShownMainWindow);
        return *instance_;
    }
    // Before the application object goes.
    static void Release() { instance_.reset(); }

    QWidget* Find(std::string_view name) const {
        QWidget* widget = window_->findChild<QWidget*>(ToQString(name));
        if (!widget) {
            std::fprintf(stderr, "no control named %.*s\n", static_cast<int>(name.size()), name.data());
            std::exit(3);
        }
        return widget;
    }
    QPlainTextEdit* Box() const { return qobject_cast<QPlainTextEdit*>(Find("编辑框1")); }

    void ShowPageOf(const QWidget* widget) {
        auto* notebook = qobject_cast<QTabWidget*>(Find("选择夹1"));
        for (int i = 0; i < notebook->count(); ++i)
            if (notebook->widget(i)->isAncestorOf(widget)) notebook->setCurrentIndex(i);
        QCoreApplication::processEvents();
    }

    // Puts `text` into the box and lets its repaint happen, outside any timing.
    void Preset(const QString& text) {
        Box()->setPlainText(text);
        QCoreApplication::processEvents();
    }

private:
    ShownMainWindow() : window_(std::make_unique<MainWindow>()) {
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) {
            std::fprintf(stderr, "the main window was not exposed\n");
            std::exit(3);
        }
    }
    static inline std::unique_ptr<ShownMainWindow> instance_;
    std::unique_ptr<MainWindow> window_;
};

// Where a user clicks: inside a radio's indicator, or a button's centre.
QPoint ClickPoint(QWidget* widget) {
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        return radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).center();
    }
    return widget->rect().center();
}

struct ClickTimes {
    double untilHandled = 0;  // the box holds the text: the click's handler has returned
    double untilShown = 0;    // the box has been repainted with it
};

// A real pointer click through the window system's entry point. The press is
// delivered before the clock starts: a user's press and release are apart, and
// what they wait for is the release until the box holds and shows the text.
// The clock stops in a slot connected to `clicked` after the program's own
// connection, so it runs once the program's handler has returned.
class PointerClicker {
public:
    explicit PointerClicker(QAbstractButton* button)
        : button_(button),
          window_(button->window()),
          point_(button->mapTo(window_, ClickPoint(button))),
          boxProbe_(ShownMainWindow::Get().Box()->viewport()) {
        connection_ = QObject::connect(button_, &QAbstractButton::clicked, [this] { handled_ = Clock::now(); });
    }
    ~PointerClicker() { QObject::disconnect(connection_); }

    ClickTimes Click() {
        QTest::mousePress(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier, point_);
        boxProbe_.Arm();
        handled_ = {};
        const Clock::time_point start = Clock::now();
        QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier, point_);
        if (!boxProbe_.Wait()) {
            std::fprintf(stderr, "the box was not repainted after a click\n");
            std::exit(3);
        }
        const Clock::time_point shown = Clock::now();
        if (handled_ == Clock::time_point{}) {
            std::fprintf(stderr, "the click did not reach its button\n");
            std::exit(3);
        }
        return {std::chrono::duration<double>(handled_ - start).count(),
                std::chrono::duration<double>(shown - start).count()};
    }

private:
    QAbstractButton* button_;
    QWidget* window_;
    QPoint point_;
    PaintProbe boxProbe_;
    Clock::time_point handled_{};
    QMetaObject::Connection connection_;
};

// Clicks `control` many times; before each click the box holds a short other
// text, so every click really replaces the box's content.
void ClickBenchmark(benchmark::State& state, std::string_view control, const std::string& label) {
    ShownMainWindow& shown = ShownMainWindow::Get();
    auto* button = qobject_cast<QAbstractButton*>(shown.Find(control));
    shown.ShowPageOf(button);
    PointerClicker clicker(button);
    const QString other = QStringLiteral("x");

    shown.Preset(other);
    clicker.Click();
    const QString expected = shown.Box()->toPlainText();  // what the program writes
    std::vector<double> handled, shownTimes;
    for (auto _ : state) {
        shown.Preset(other);
        const ClickTimes times = clicker.Click();
        if (shown.Box()->toPlainText() != expected) {
            state.SkipWithError("the box does not hold the clicked text");
            return;
        }
        handled.push_back(times.untilHandled);
        shownTimes.push_back(times.untilShown);
        state.SetIterationTime(times.untilHandled);
    }
    const double handledUs = Median(handled) * 1e6, shownUs = Median(shownTimes) * 1e6;
    state.counters["text_in_box_us"] = handledUs;
    state.counters["shown_us"] = shownUs;
    state.counters["chars"] = expected.size();
    Record({label + ": release until box holds text", Format("%.1f us (%lld chars)", handledUs, static_cast<long long>(expected.size())),
            "< 100 us", handledUs < 100});
    Record({label + ": release until box repainted", Format("%.1f us", shownUs), "", std::nullopt});
}

std::string_view LongestEntryName() {
    const TagEntry* longest = nullptr;
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls)
                if (const auto* entry = std::get_if<TagEntry>(&control))
                    if (!longest || entry->text.size() > longest->text.size()) longest = entry;
    return longest->name;
}

void BM_ClickLongestEntry(benchmark::State& state) { ClickBenchmark(state, LongestEntryName(), "click longest entry"); }
BENCHMARK(BM_ClickLongestEntry)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_ClickSlideshowComposer(benchmark::State& state) {
    ClickBenchmark(state, "按钮7", "click slideshow composer");
}
BENCHMARK(BM_ClickSlideshowComposer)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A field text of state.range(0) bytes, one unbroken run as pasted code can
// be: the hardest case for line breaking.
QString LongFieldText(std::int64_t bytes) {
    QString text;
    text.reserve(bytes);
    const QString pattern = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789_.-");
    while (text.size() < bytes) text += pattern;
    text.truncate(bytes);
    return text;
}

struct FieldSizeFigures {
    std::map<std::int64_t, double> shownMs;
};
FieldSizeFigures& FieldFigures() {
    static FieldSizeFigures figures;
    return figures;
}

void BM_LongFieldTextShown(benchmark::State& state) {
    const std::int64_t bytes = state.range(0);
    ShownMainWindow& shown = ShownMainWindow::Get();
    auto* field = qobject_cast<QLineEdit*>(shown.Find("增加字段_编辑框"));
    auto* button = qobject_cast<QAbstractButton*>(shown.Find("增加字段_按钮"));
    shown.ShowPageOf(button);
    field->setText(LongFieldText(bytes));
    QCoreApplication::processEvents();
    PointerClicker clicker(button);

    std::vector<double> handled, shownTimes;
    for (auto _ : state) {
        shown.Preset(QString());
        const ClickTimes times = clicker.Click();
        if (shown.Box()->document()->characterCount() < bytes) {
            state.SkipWithError("the box does not hold the composed text");
            return;
        }
        handled.push_back(times.untilHandled);
        shownTimes.push_back(times.untilShown);
        state.SetIterationTime(times.untilShown);
    }
    field->clear();
    shown.Preset(QString());

    const double handledMs = Median(handled) * 1e3, shownMs = Median(shownTimes) * 1e3;
    state.counters["text_in_box_ms"] = handledMs;
    state.counters["shown_ms"] = shownMs;
    state.SetBytesProcessed(state.iterations() * bytes);
    FieldFigures().shownMs[bytes] = shownMs;

    const std::string size = bytes >= (1 << 20) ? Format("%lld MiB", static_cast<long long>(bytes >> 20))
                                                : Format("%lld KiB", static_cast<long long>(bytes >> 10));
    const bool isGoalSize = bytes == (1 << 20);
    Record({"field text " + size + ": release until shown",
            Format("%.2f ms (in box after %.2f ms)", shownMs, handledMs), isGoalSize ? "< 100 ms" : "",
            isGoalSize ? std::optional<bool>(shownMs < 100) : std::nullopt});

    // After the largest size: how time grows with the text from 256 KiB on,
    // as the exponent k of time ~ size^k (1 is linear; 2 would be quadratic).
    const auto& figures = FieldFigures().shownMs;
    const std::int64_t from = 256 << 10;
    if (bytes == (4 << 20) && figures.count(from)) {
        const double exponent = std::log(shownMs / figures.at(from)) / std::log(static_cast<double>(bytes) / from);
        Record({"field text growth 256 KiB -> 4 MiB, time ~ size^k", Format("k = %.2f", exponent), "k <= 1.15",
                exponent <= 1.15});
    }
}
BENCHMARK(BM_LongFieldTextShown)->Arg(1 << 10)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongFieldTextShown)->Arg(16 << 10)->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongFieldTextShown)->Arg(256 << 10)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongFieldTextShown)->Arg(1 << 20)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongFieldTextShown)->Arg(4 << 20)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

// The offscreen platform warns at every window that it cannot pass size hints
// on; nothing here depends on them. Every other message goes through.
QtMessageHandler defaultMessageHandler = nullptr;
void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    defaultMessageHandler(type, context, message);
}

// One fresh process of the start-up comparison: builds one window, shows it,
// waits for its first paint and reports the time since `T0` (the parent's
// monotonic clock just before it started this process) and its peak memory.
int RunStartProcess(int argc, char** argv) {
    const Variant variant = std::string_view(argv[2]) == "main" ? Variant::Program : Variant::Bare;
    const long long start = std::atoll(argv[3]);
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window = BuildWindow(variant);
    PaintProbe probe(window.get());
    window->show();
    if (!probe.Wait()) return 3;
    const long long painted = MonotonicNs() - start;
    std::printf("painted_ns=%lld peak_kib=%ld\n", painted, PeakResidentKiB());
    std::fflush(stdout);
    return 0;
}

// Google Benchmark's own report goes to --benchmark_out if asked for; the
// terminal gets one progress line per benchmark and then the table of goals.
class ProgressReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) std::fprintf(stderr, "%s: %s\n", run.benchmark_name().c_str(), run.error_message.c_str());
            else std::fprintf(stderr, "done: %s\n", run.benchmark_name().c_str());
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    defaultMessageHandler = qInstallMessageHandler(QuietMessageHandler);
    if (argc == 4 && std::string_view(argv[1]) == "--start-process") return RunStartProcess(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication app(argc, argv);
    ProgressReporter progress;
    benchmark::RunSpecifiedBenchmarks(&progress);
    ShownMainWindow::Release();
    benchmark::Shutdown();

    const int missed = PrintTable();
    std::printf("\nGoals missed: %d. Longest entry: %s. Platform: %s.\n", missed,
                std::string(LongestEntryName()).c_str(), qPrintable(QGuiApplication::platformName()));
    return 0;
}
