// Throughput of the page rewriter on large, realistic pages (bytes per second), next to copying
// the same buffer once. Run: build/bin/bench_rewriter
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "iconsmith/rewriter/page_rewriter.h"

namespace {

constexpr std::string_view kPagePath = "/srv/www/site/blog/post.html";
constexpr int32_t kRootDepth = 4;

// A page as a content system writes it: a head with meta tags, style sheets and a script with
// comparison operators, then a body of articles, links, tables and inline scripts up to the size.
std::string realisticPage(size_t size, std::string_view favicon) {
    std::string page =
        "<!DOCTYPE html>\r\n<html lang=\"de\">\r\n<head>\r\n"
        "  <meta charset=\"windows-1252\">\r\n"
        "  <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
        "  <title>Vereinsnachrichten &ndash; Archiv</title>\r\n";
    page += favicon;
    page +=
        "  <link rel=\"stylesheet\" href=\"../css/site.css\">\r\n"
        "  <script>\r\n"
        "    function clamp(v, lo, hi) { if (v < lo) return lo; if (v > hi) return hi; "
        "return v; }\r\n"
        "    for (var i = 0; i <= 10; i++) { if (i >= 5 && i < 8) log(i); }\r\n"
        "  </script>\r\n"
        "</head>\r\n<body>\r\n<div id=\"page\">\r\n";
    static const std::string_view kBlocks[] = {
        "<article class=\"post\">\r\n  <h2><a href=\"/blog/2026/11/eintrag.html\">Jahresversammlung"
        " im Gemeindehaus</a></h2>\r\n  <p class=\"meta\">Ver\xf6"
        "ffentlicht am 12.11.2026 von "
        "<a href=\"/autoren/k.html\">K. M\xfcller</a></p>\r\n  <p>Die Versammlung begann p\xfcnkt"
        "lich um 19 Uhr. Nach der Begr\xfc\xdfung durch den Vorstand folgten die Berichte der "
        "Abteilungen, die <em>Kassenpr\xfc"
        "fung</em> und die Wahlen.</p>\r\n</article>\r\n",
        "<table class=\"termine\">\r\n  <tr><th>Datum</th><th>Ort</th><th>Thema</th></tr>\r\n"
        "  <tr><td>03.12.</td><td>Halle&nbsp;2</td><td>Training</td></tr>\r\n"
        "  <tr><td>10.12.</td><td>Vereinsheim</td><td>Weihnachtsfeier</td></tr>\r\n</table>\r\n",
        "<ul class=\"links\">\r\n  <li><a href=\"https://www.example.org/a?x=1&amp;y=2\">"
        "Verband</a></li>\r\n  <li><a href=\"../kontakt.html\" title=\"Kontakt\">Kontakt</a>"
        "</li>\r\n</ul>\r\n",
        "<script>var n = items.length; if (n > 3 && n <= 12) { show(n); }</script>\r\n"
        "<p><img src=\"../img/bild.jpg\" alt=\"Bild\" width=\"320\" height=\"200\"><br>\r\n"
        "Bildunterschrift: Sieger &amp; Platzierte des Turniers.</p>\r\n",
    };
    size_t block = 0;
    while (page.size() < size) {
        page += kBlocks[block];
        block = (block + 1) % std::size(kBlocks);
    }
    page += "</div>\r\n</body>\r\n</html>\r\n";
    return page;
}

const std::string& element() {
    static const std::string text = Module1::FaviconElement(kPagePath, kRootDepth, '/');
    return text;
}

size_t sizeArg(const benchmark::State& state) {
    return static_cast<size_t>(state.range(0)) << 10;
}

// Warm: the same page again and again, so a 1 MB page stays in the processor's caches. Cold: a
// round of distinct copies of 64 MB or more, so every page comes from memory as in a real batch
// run, at any size; the 10 MB : 1 MB ratio then shows how the work grows, not the cache size.
std::vector<std::string> pages(const benchmark::State& state, std::string_view favicon) {
    const std::string page = realisticPage(sizeArg(state), favicon);
    const bool cold = state.range(1) != 0;
    const size_t copies = cold ? (size_t{64} << 20) / page.size() + 1 : 1;
    return std::vector<std::string>(copies, page);
}

enum class Work { Insert, Unchanged, UnchangedNoCopy, Remove, Copy };

template <Work work>
void BM_Page(benchmark::State& state) {
    const std::string favicon =
        work == Work::Insert || work == Work::Copy ? std::string() : "  " + element() + "\r\n";
    const std::vector<std::string> round = pages(state, favicon);
    size_t next = 0;
    for (auto _ : state) {
        const std::string& page = round[next];
        next = (next + 1) % round.size();
        if constexpr (work == Work::Copy) {
            std::string copy;
            copy.resize(page.size());
            std::memcpy(copy.data(), page.data(), page.size());
            benchmark::DoNotOptimize(copy.data());
        } else if constexpr (work == Work::UnchangedNoCopy) {
            auto result = Module1::RewritePageIfChanged(page, kPagePath, false, kRootDepth, '/');
            benchmark::DoNotOptimize(result);
        } else {
            std::string result =
                Module1::RewritePage(page, kPagePath, work == Work::Remove, kRootDepth, '/');
            benchmark::DoNotOptimize(result.data());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(round.front().size()));
}

// Arguments: page size in KB (a typical page, 1 MB, 10 MB), cold (1) or warm (0).
void sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"KB", "cold"});
    for (int cold : {0, 1}) {
        for (int kilobytes : {20, 1024, 10240}) b->Args({kilobytes, cold});
    }
    b->Unit(benchmark::kMicrosecond);
}

// First run over a site: every page gets the element.
BENCHMARK_TEMPLATE(BM_Page, Work::Insert)->Name("RewriteInsert")->Apply(sizes);
// Second run: the element is already there; RewritePage returns the page as a copy.
BENCHMARK_TEMPLATE(BM_Page, Work::Unchanged)->Name("RewriteUnchanged")->Apply(sizes);
// Second run as a batch run does it: no copy when nothing changes.
BENCHMARK_TEMPLATE(BM_Page, Work::UnchangedNoCopy)->Name("RewriteIfChangedUnchanged")->Apply(sizes);
BENCHMARK_TEMPLATE(BM_Page, Work::Remove)->Name("RewriteRemove")->Apply(sizes);
// The yardstick: one copy of the same buffer into a fresh string.
BENCHMARK_TEMPLATE(BM_Page, Work::Copy)->Name("CopyPage")->Apply(sizes);

}  // namespace

BENCHMARK_MAIN();
