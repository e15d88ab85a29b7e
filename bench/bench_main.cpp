// tallyra-bench: prints timings and memory figures of the core on generated
// ledgers. Figures, not pass/fail: targets are checked by reading them.
//
//   tallyra-bench                  100,000 and 1,000,000 transactions
//   tallyra-bench --quick          10,000 only
//   tallyra-bench 250000 [N ...]   the given sizes
//   tallyra-bench --import [N ...] only the import of a ledger folder
//
// For each size: a ledger is generated into a temporary SQLite file through
// the store API in one save (the import figure), then read back whole and
// indexed (the reload figure, best of three on a freshly opened store), and
// the index is queried: totals of one month, category totals of one year,
// one balance, net worth, the reports the window shows (overview of this
// month and of all time, category breakdown and detail of a year, account
// detail of a year, a month of the transaction feed, a search over
// everything), and the CSV export of everything.
//
// Memory: the peak resident size of the process during a reload (VmHWM
// after resetting it), and the index's own size as the growth of the
// resident size across the reload, once the rows it was built from are
// gone, per transaction. Linux only for the memory figures.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimeZone>

#include "display/money_display.h"
#include "emoji/emoji_catalog.h"
#include "ledger_folder.h"
#include "ledger_generator.h"
#include "money/currency.h"
#include "periods/period_engine.h"
#include "plans/balance_goal.h"
#include "plans/budget_report.h"
#include "plans/challenge_detail.h"
#include "reports/account_detail.h"
#include "reports/category_breakdown.h"
#include "reports/category_detail.h"
#include "reports/entry_search.h"
#include "reports/ledger_index.h"
#include "reports/overview_report.h"
#include "reports/period_totals.h"
#include "reports/transaction_feed.h"
#include "services/csv_export.h"
#include "services/ledger_document.h"
#include "services/ledger_files.h"
#include "services/sample_importer.h"
#include "store/ledger_reader.h"
#include "store/store_container.h"

namespace {

using namespace tallyra;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"); 0 elsewhere.
std::int64_t statusBytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stoll(line.substr(prefix.size())) * 1024;
    return 0;
}

// Gives freed memory back to the system so that resident-size growth
// measures what is alive, and restarts the peak count.
void settleMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    std::ofstream("/proc/self/clear_refs") << "5";
}

double megabytes(std::int64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

FXRates benchRates()
{
    FXRates rates = FXRates::empty(QStringLiteral("UAH"));
    rates.perUnit[QStringLiteral("USD")] = *Decimal::parse(u"41.2345");
    rates.perUnit[QStringLiteral("EUR")] = *Decimal::parse(u"44.9876");
    return rates;
}

// Runs `body` `times` times and returns the mean in microseconds.
template <class Body> double meanMicroseconds(int times, Body&& body)
{
    const auto start = Clock::now();
    for (int i = 0; i < times; ++i)
        body(i);
    return millisecondsSince(start) * 1000.0 / times;
}

struct ReloadFigures
{
    double fetchMs = 0;
    double buildMs = 0;
    std::int64_t peakBytes = 0;
    std::int64_t indexBytes = 0;
};

volatile std::int64_t g_sink = 0;

// The plans screen on the loaded index: a budget's detail (seven month
// windows and the current month day by day), a balance goal of each mode
// over every account, and a month-long challenge on the busiest category.
void planFigures(const LedgerIndex& index, const PeriodEngine& engine)
{
    auto figure = [](const char* name, int times, auto&& body, const QString& detail = {}) {
        const double ms = meanMicroseconds(times, body) / 1000.0;
        std::printf("%-28s %10.2f ms%s%s\n", name, ms, detail.isEmpty() ? "" : "   ",
                    qPrintable(detail));
    };
    Budget budget;
    budget.name = QStringLiteral("Everything");
    budget.limit = Money{1'000'000, index.rates().base};
    for (const CategoryId& root : index.children(std::nullopt))
        budget.categoryIDs.append(root);
    figure(
        "budget detail", 20,
        [&](int) { g_sink = g_sink + budgetDetail(index, engine, budget).usual.minor; },
        QStringLiteral("(%1 top-level categories)").arg(budget.categoryIDs.size()));
    Goal goal;
    goal.kind = GoalKind::balance;
    goal.allAccounts = true;
    goal.target = Money{100'000'000, index.rates().base};
    for (const BalanceMode mode : allCases<BalanceMode>()) {
        goal.balanceMode = mode;
        figure(
            mode == BalanceMode::stayAbove ? "balance goal, stay above" : "balance goal, reach by",
            20,
            [&](int) { g_sink = g_sink + balanceGoalDetail(index, engine, goal).current.minor; },
            QStringLiteral("(%1 accounts)").arg(index.accounts().size()));
    }
    Goal challenge;
    challenge.kind = GoalKind::challenge;
    challenge.categoryID = index.children(std::nullopt).front();
    challenge.startDate = engine.addingDays(-15, engine.today());
    challenge.endDate = engine.addingDays(15, engine.today());
    figure("challenge, a month", 20,
           [&](int) { g_sink = g_sink + challengeDetail(index, engine, challenge).spent.minor; });
}

// The reports the window shows, on the loaded index: each the mean of a
// few runs, in milliseconds.
void reportFigures(const LedgerIndex& index, const PeriodEngine& engine)
{
    const PeriodSelection thisMonth(PeriodLength::month);
    const PeriodSelection allTime(PeriodLength::max);
    const PeriodSelection year(PeriodLength::year);
    const PeriodWindow yearWindow = engine.window(year);
    auto figure = [](const char* name, int times, auto&& body, const QString& detail = {}) {
        const double ms = meanMicroseconds(times, body) / 1000.0;
        std::printf("%-28s %10.2f ms%s%s\n", name, ms, detail.isEmpty() ? "" : "   ",
                    qPrintable(detail));
    };
    figure("overview, this month", 20,
           [&](int) { g_sink = g_sink + overviewReport(index, engine, thisMonth).netWorth.minor; });
    figure(
        "overview, all time", 5,
        [&](int) {
            g_sink = g_sink + static_cast<std::int64_t>(
                                  overviewReport(index, engine, allTime).netWorthPoints.size());
        },
        QStringLiteral("(%1 transactions)").arg(index.entries().size()));
    figure(
        "category breakdown, a year", 20,
        [&](int) {
            g_sink = g_sink +
                     categoryBreakdown(index, yearWindow.elapsedInterval(), CategoryMode::expenses)
                         .total.minor;
        },
        QStringLiteral("(%1 transactions)").arg(index.entries(yearWindow.interval).size()));
    const CategoryId busiest = index.children(std::nullopt).front();
    figure("category detail, a year", 20, [&](int) {
        g_sink = g_sink + categoryDetail(index, engine, CategoryScope::category(busiest), year,
                                         Money{1, index.rates().base}, false)
                              .total.minor;
    });
    figure("account detail, a year", 20, [&](int) {
        g_sink =
            g_sink + accountDetail(index, engine, year, index.accounts().front().id).closing.minor;
    });
    const PeriodWindow monthWindow = engine.window(thisMonth);
    figure(
        "feed, one month", 20,
        [&](int) {
            g_sink = g_sink + static_cast<std::int64_t>(transactionFeed(index, monthWindow.interval,
                                                                        {}, TransactionFilter::all,
                                                                        EntrySearch(), engine)
                                                            .days.size());
        },
        QStringLiteral("(%1 transactions)").arg(index.entries(monthWindow.interval).size()));
    const DateInterval everything = engine.window(allTime).interval;
    for (const char* query : {"payee 125", "monthly 125.50"}) {
        const EntrySearch search(QString::fromLatin1(query));
        size_t found = 0;
        figure(
            "search, all time", 5,
            [&](int) {
                EntrySearch::Context context(search, index, engine);
                found = search.filter(index.entries(everything), context).size();
                g_sink = g_sink + static_cast<std::int64_t>(found);
            },
            QStringLiteral("\"%1\"").arg(QString::fromLatin1(query)));
    }
}

// The import as tallyra-cli runs it: the four files read and checked, then
// written into a new database in one save. Peak memory is the process's
// high-water mark from just before reading the files.
int runImport(const QTemporaryDir& dir, std::int64_t count, const QTimeZone& zone)
{
    const QString folder = dir.filePath(QStringLiteral("ledger"));
    QDir().mkpath(folder);
    bench::writeLedgerFolder(folder, count);
    const QString file = dir.filePath(QStringLiteral("import.sqlite"));
    settleMemory();
    const std::int64_t before = statusBytes("VmRSS");
    const auto start = Clock::now();
    {
        auto files = LedgerFiles::readFolder(folder);
        if (!files) {
            std::fprintf(stderr, "import: %s\n", qPrintable(files.error().userMessage()));
            return 1;
        }
        const double readMs = millisecondsSince(start);
        auto document = LedgerDocument::decode(*files);
        if (!document) {
            std::fprintf(stderr, "import: %s\n", qPrintable(document.error().userMessage()));
            return 1;
        }
        const double decodeMs = millisecondsSince(start) - readMs;
        auto container = StoreContainer::open(StoreConfiguration::onDisk(file));
        if (!container)
            return 1;
        SampleImporter importer((*container)->mainContext(), zone);
        const ImportSummary summary = importer.run(*document);
        const double totalMs = millisecondsSince(start);
        std::printf("import of JSON files         %10.0f ms   %d transactions: read %.0f ms, "
                    "check %.0f ms, write %.0f ms; peak %.1f MB (%.1f MB before)\n",
                    totalMs, summary.transactions, readMs, decodeMs, totalMs - readMs - decodeMs,
                    megabytes(statusBytes("VmHWM")), megabytes(before));
    }
    QDir(folder).removeRecursively();
    QFile::remove(file);
    return 0;
}

int runSize(std::int64_t count)
{
    std::printf("\n== %lld transactions ==\n", static_cast<long long>(count));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.sqlite"));
    const QDateTime end(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    const QTimeZone zone("Europe/Kyiv");

    {
        auto container = StoreContainer::open(StoreConfiguration::onDisk(file));
        if (!container) {
            std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(file),
                         qPrintable(container.error().userMessage()));
            return 1;
        }
        const auto start = Clock::now();
        const bench::GeneratedLedger ledger =
            bench::generateLedger((*container)->mainContext(), count, end);
        const double ms = millisecondsSince(start);
        container->reset(); // closing folds the write-ahead log into the file
        std::printf("import (insert + one save)   %10.0f ms   %lld transactions, %d accounts, %d "
                    "categories, "
                    "%lld balance changes, %.1f MB file\n",
                    ms, static_cast<long long>(ledger.transactions), ledger.accounts,
                    ledger.categories, static_cast<long long>(ledger.checkpoints),
                    megabytes(QFileInfo(file).size()));
    }

    if (const int status = runImport(dir, count, zone); status != 0)
        return status;

    const FXRates rates = benchRates();
    std::optional<LedgerIndex> index;
    std::vector<ReloadFigures> runs;
    for (int run = 0; run < 3; ++run) {
        index.reset();
        auto container = StoreContainer::open(StoreConfiguration::onDisk(file));
        if (!container)
            return 1;
        settleMemory();
        const std::int64_t before = statusBytes("VmRSS");
        ReloadFigures figures;
        auto start = Clock::now();
        auto rows = readLedger((*container)->mainContext());
        if (!rows) {
            std::fprintf(stderr, "read failed: %s\n", qPrintable(rows.error().userMessage()));
            return 1;
        }
        figures.fetchMs = millisecondsSince(start);
        start = Clock::now();
        index = LedgerIndex::build(std::move(rows).value(), rates);
        figures.buildMs = millisecondsSince(start);
        figures.peakBytes = statusBytes("VmHWM");
        container->reset();
#if defined(__GLIBC__)
        malloc_trim(0);
#endif
        figures.indexBytes = statusBytes("VmRSS") - before;
        runs.push_back(figures);
    }
    const auto best = *std::min_element(runs.begin(), runs.end(),
                                        [](const ReloadFigures& a, const ReloadFigures& b) {
                                            return a.fetchMs + a.buildMs < b.fetchMs + b.buildMs;
                                        });
    std::printf("full reload (fetch + build)  %10.1f ms   fetch %.1f ms, index build %.1f ms (best "
                "of %zu; first %.1f ms)\n",
                best.fetchMs + best.buildMs, best.fetchMs, best.buildMs, runs.size(),
                runs.front().fetchMs + runs.front().buildMs);
    std::printf(
        "memory                       peak %.1f MB during a reload; index %.1f MB = %.0f bytes per "
        "transaction (sizeof(Entry) = %zu)\n",
        megabytes(best.peakBytes), megabytes(best.indexBytes),
        static_cast<double>(best.indexBytes) / static_cast<double>(count), sizeof(Entry));

    const PeriodEngine engine(
        end.addDays(-1), CalendarSettings{1, 2}, zone, QLocale(QStringLiteral("en_US")),
        index->entries().empty() ? std::nullopt : std::optional(index->entries().front().date));
    const PeriodWindow month = engine.window(PeriodSelection(PeriodLength::month, 1));
    const PeriodWindow year = engine.window(PeriodSelection(PeriodLength::year, 1));
    const size_t monthEntries = index->entries(month.interval).size();
    const double totalsUs = meanMicroseconds(
        1000, [&](int) { g_sink = g_sink + totals(*index, month.interval).spent.minor; });
    std::printf("totals of one month          %10.1f µs   (%zu transactions)\n", totalsUs,
                monthEntries);
    const double categoryUs = meanMicroseconds(20, [&](int) {
        g_sink = g_sink + static_cast<std::int64_t>(
                              categoryTotals(*index, year.interval, EntryKind::expense).size());
    });
    std::printf("category totals of one year  %10.1f µs   (%zu transactions)\n", categoryUs,
                index->entries(year.interval).size());

    std::mt19937_64 random(42);
    const qint64 first = index->entryDates().front();
    const qint64 last = index->entryDates().back();
    std::vector<std::pair<AccountId, QDateTime>> queries;
    for (int i = 0; i < 10'000; ++i)
        queries.emplace_back(
            index->accounts()[random() % index->accounts().size()].id,
            QDateTime::fromMSecsSinceEpoch(
                first + static_cast<qint64>(random() % static_cast<std::uint64_t>(last - first)),
                Qt::UTC));
    const double balanceUs = meanMicroseconds(static_cast<int>(queries.size()), [&](int i) {
        const auto& [account, at] = queries[static_cast<size_t>(i)];
        g_sink = g_sink + index->balance(account, at).minor;
    });
    std::printf("one balance query            %10.3f µs\n", balanceUs);
    const double netWorthUs =
        meanMicroseconds(1000, [&](int) { g_sink = g_sink + netWorth(*index, end).minor; });
    std::printf("net worth                    %10.1f µs   (%zu accounts)\n", netWorthUs,
                index->accounts().size());

    reportFigures(*index, engine);
    planFigures(*index, engine);

    const auto start = Clock::now();
    const QByteArray csv = CSVExport::text(*index, zone).toUtf8();
    std::printf("CSV export (text + UTF-8)    %10.0f ms   %.1f MB\n", millisecondsSince(start),
                megabytes(csv.size()));
    return 0;
}

// What a list redraw and the icon picker cost: one amount as shown, and the
// emoji catalogue built once.
void runDisplay()
{
    std::printf("\n== display ==\n");
    MoneyDisplay display(QLocale(QStringLiteral("uk_UA")));
    const std::array<const char*, 4> currencies{"UAH", "USD", "EUR", "JPY"};
    const double formatUs = meanMicroseconds(100'000, [&](int i) {
        const QString text =
            display.signedAmount(std::int64_t(i) * 7919 - 300'000,
                                 QString::fromLatin1(currencies[size_t(i) % currencies.size()]));
        g_sink = g_sink + text.size();
    });
    std::printf("one amount as shown          %10.3f µs   (signed, four currencies)\n", formatUs);
    const auto start = Clock::now();
    const EmojiCatalog catalog = EmojiCatalog::build(QLocale(QStringLiteral("uk_UA")));
    std::printf("emoji catalogue build        %10.1f ms   %zu emoji\n", millisecondsSince(start),
                catalog.all().size());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<std::int64_t> sizes;
    bool importOnly = false;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        if (argument == u"--import") {
            importOnly = true;
            continue;
        }
        if (argument == u"--quick") {
            sizes.push_back(10'000);
            continue;
        }
        bool ok = false;
        const std::int64_t size = argument.toLongLong(&ok);
        if (!ok || size < 1) {
            std::fprintf(stderr, "usage: tallyra-bench [--import] [--quick | COUNT ...]\n");
            return 2;
        }
        sizes.push_back(size);
    }
    if (sizes.empty())
        sizes = {100'000, 1'000'000};
    Currency::setMain(QStringLiteral("UAH"));
    if (importOnly) {
        for (const std::int64_t size : sizes) {
            std::printf("\n== %lld transactions ==\n", static_cast<long long>(size));
            const QTemporaryDir dir;
            if (const int status = runImport(dir, size, QTimeZone("Europe/Kyiv")); status != 0)
                return status;
        }
        return 0;
    }
    runDisplay();
    for (const std::int64_t size : sizes)
        if (const int status = runSize(size); status != 0)
            return status;
    return 0;
}
