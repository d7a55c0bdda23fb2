#include "iconsmith/rewriter/page_rewriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "iconsmith/rewriter/operator_masking.h"
#include "iconsmith/rewriter/tag_splitting.h"
#include "shared/general/text_operations.h"
#include "tests/iconsmith/rewriter_random_text.h"
#include "tests/support/counting_event_pump.h"

namespace {

using Module1::LinkMarker;
using Module1::RewritePage;

constexpr bool kInsert = false;
constexpr bool kRemove = true;

// Windows-style web root C:\web\ (two separators); the pages below it use '\\' as well.
constexpr int32_t kRootDepth = 2;
constexpr char kBackslash = '\\';
constexpr std::string_view kSubPage = "C:\\web\\a\\x.htm";

std::string rewrite(std::string_view page, bool removeMode) {
    return RewritePage(page, kSubPage, removeMode, kRootDepth, kBackslash);
}

// A literal with every byte, NULs included.
template <size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// The element for a page one folder below the root.
const std::string kElement = "<link rel=\"SHORTCUT ICON\" href=\"../favicon.ico\">";

// The rewrite done the long way: mask, split, three list searches, edit, join, unmask.
std::string referenceRewrite(std::string_view page, std::string_view pagePath, bool removeMode,
                             int32_t webRootDepth, char separator) {
    using namespace Module1;
    std::string masked = HideUnhideJavaInHtml(page, MaskMode::Hide);
    std::vector<std::string_view> tags;
    std::vector<std::string_view> texts;
    SplitUnsplitHtmlString(masked, tags, texts, SplitMode::Split);
    const int32_t headIndex = RARUVOVOVA2DIVFU::FindInList("<head>", tags, true);
    const int32_t linkIndex = RARUVOVOVA2DIVFU::FindInList(LinkMarker, tags, false);
    const int32_t endIndex = RARUVOVOVA2DIVFU::FindInList("</head>", tags, true);

    std::string element;
    std::string headWithElement;
    if (headIndex >= 0 && headIndex < endIndex && linkIndex < endIndex) {
        if (removeMode) {
            if (linkIndex >= 0) tags[linkIndex] = {};
        } else {
            const int32_t d =
                static_cast<int32_t>(std::count(pagePath.begin(), pagePath.end(), separator)) -
                webRootDepth;
            std::string prefix;
            if (d == 0) prefix = "./";
            for (int32_t i = 1; i <= d; ++i) prefix += "../";
            element = std::string(LinkMarker) + "\"" + prefix + "favicon.ico\">";
            if (linkIndex < 0) {
                headWithElement = std::string(tags[headIndex]) + element;
                tags[headIndex] = headWithElement;
            } else {
                tags[linkIndex] = element;
            }
        }
    }
    std::string joined;
    SplitUnsplitHtmlString(joined, tags, texts, SplitMode::Join);
    return HideUnhideJavaInHtml(joined, MaskMode::Unhide);
}

TEST(PageRewriter, LinkMarkerIsTheReferenceStartWithDoubleQuotes) {
    EXPECT_EQ(LinkMarker, std::string("<link rel=") + '"' + "SHORTCUT ICON" + '"' + " href=");
    EXPECT_EQ(LinkMarker.size(), 31u);
}

TEST(PageRewriter, PrefixFollowsTheDepthBelowTheRoot) {
    struct Case {
        std::string_view pagePath;
        int32_t rootDepth;
        char separator;
        std::string_view href;
    };
    const Case cases[] = {
        {"C:\\web\\index.htm", 2, '\\', "./favicon.ico"},
        {"C:\\web\\a\\x.htm", 2, '\\', "../favicon.ico"},
        {"C:\\web\\a\\b\\y.html", 2, '\\', "../../favicon.ico"},
        {"C:\\web\\a\\b\\c\\d\\z.htm", 2, '\\', "../../../../favicon.ico"},
        // A page left in the list from an earlier, deeper root.
        {"C:\\old.htm", 2, '\\', "favicon.ico"},
        {"/srv/www/site/index.html", 4, '/', "./favicon.ico"},
        {"/srv/www/site/blog/2026/post.html", 4, '/', "../../favicon.ico"},
        // Only the separator given counts.
        {"/srv/www/site/a\\b.htm", 4, '/', "./favicon.ico"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pagePath));
        const std::string expected = std::string(LinkMarker) + "\"" + std::string(c.href) + "\">";
        EXPECT_EQ(Module1::FaviconElement(c.pagePath, c.rootDepth, c.separator), expected);
        EXPECT_EQ(RewritePage("<head></head>", c.pagePath, kInsert, c.rootDepth, c.separator),
                  "<head>" + expected + "</head>");
    }
}

TEST(PageRewriter, EditsOnlyTheHeadItFindsAndKeepsEveryOtherByte) {
    const std::string e = kElement;
    const std::string old = "<LINK REL=\"shortcut icon\" HREF=\"/favicon.ico\">";
    struct Case {
        const char* name;
        std::string page;
        bool removeMode;
        std::string expected;
    };
    const Case cases[] = {
        {"insert after head, before its line break", "<html>\n<head>\n<title>T</title>\n</head>",
         kInsert, "<html>\n<head>" + e + "\n<title>T</title>\n</head>"},
        {"upper-case head tags", "<HTML><HEAD>\r\n</Head>", kInsert,
         "<HTML><HEAD>" + e + "\r\n</Head>"},
        {"exact element already there", "<head>" + e + "\n</head>", kInsert,
         "<head>" + e + "\n</head>"},
        {"reference in other case and href refreshed", "<head>\n  " + old + "\n</head>", kInsert,
         "<head>\n  " + e + "\n</head>"},
        {"reference in other case removed, its line stays", "<head>\n  " + old + "\n</head>",
         kRemove, "<head>\n  \n</head>"},
        {"remove without reference", "<head>\n</head>", kRemove, "<head>\n</head>"},
        {"head with attribute", "<head lang=de>\n</head>", kInsert, "<head lang=de>\n</head>"},
        {"head with inner blank", "<head >" + old + "</head>", kRemove,
         "<head >" + old + "</head>"},
        {"no end of head", "<head>\n<title>", kInsert, "<head>\n<title>"},
        {"end of head first", "</head><head>", kInsert, "</head><head>"},
        {"reference after end of head", "<head></head><body>" + old, kInsert,
         "<head></head><body>" + old},
        {"reference before head refreshed in place", "<html>" + old + "<head></head>", kInsert,
         "<html>" + e + "<head></head>"},
        {"reference before head removed in place", "<html>" + old + "\n<head></head>", kRemove,
         "<html>\n<head></head>"},
        {"only the first of two references", "<head>" + old + "\n" + old + "</head>", kInsert,
         "<head>" + e + "\n" + old + "</head>"},
        {"only the first of two references removed", "<head>" + old + old + "</head>", kRemove,
         "<head>" + old + "</head>"},
        {"rel=icon is no reference", "<head><link rel=\"icon\" href=\"f.ico\"></head>", kInsert,
         "<head>" + e + "<link rel=\"icon\" href=\"f.ico\"></head>"},
        {"single quotes are no reference", "<head><link rel='SHORTCUT ICON' href='f.ico'></head>",
         kRemove, "<head><link rel='SHORTCUT ICON' href='f.ico'></head>"},
        {"two blanks are no reference", "<head><link rel=\"SHORTCUT ICON\"  href=\"f\"></head>",
         kInsert, "<head>" + e + "<link rel=\"SHORTCUT ICON\"  href=\"f\"></head>"},
        {"tag over two lines is no reference",
         "<head><link rel=\"SHORTCUT ICON\"\nhref=\"f\"></head>", kInsert,
         "<head>" + e + "<link rel=\"SHORTCUT ICON\"\nhref=\"f\"></head>"},
        {"attribute between rel and href is no reference",
         "<head><link rel=\"SHORTCUT ICON\" type=\"image/x-icon\" href=\"f\"></head>", kRemove,
         "<head><link rel=\"SHORTCUT ICON\" type=\"image/x-icon\" href=\"f\"></head>"},
        {"href before rel is no reference", "<head><link href=\"f\" rel=\"SHORTCUT ICON\"></head>",
         kInsert, "<head>" + e + "<link href=\"f\" rel=\"SHORTCUT ICON\"></head>"},
        {"reference without closing bracket is no tag",
         "<head><link rel=\"SHORTCUT ICON\" href=\"f\"<p></head>", kInsert,
         "<head>" + e + "<link rel=\"SHORTCUT ICON\" href=\"f\"<p></head>"},
        {"operator inside the reference belongs to it",
         "<head><link rel=\"SHORTCUT ICON\" href=\"a > b\">x</head>", kInsert,
         "<head>" + e + "x</head>"},
        {"script operators in the head",
         "<head><script>if (a < b && c > d) x = a<b;</script></head>", kInsert,
         "<head>" + e + "<script>if (a < b && c > d) x = a<b;</script></head>"},
        {"empty page", "", kInsert, ""},
        {"NUL, CR-only and non-UTF-8 bytes", bytes("\xff\0<head>\r\xe4\0</head>\r"), kInsert,
         bytes("\xff\0<head>") + e + bytes("\r\xe4\0</head>\r")},
        {"placeholder pair in the page", "<head>\x1b\x01</head>", kInsert, "<head>\x1b\x01</head>"},
        {"placeholder pair with a reference", "<head>" + old + "\x1b\x04</head>", kRemove,
         "<head>" + old + "\x1b\x04</head>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rewrite(c.page, c.removeMode), c.expected);
        const auto changed =
            Module1::RewritePageIfChanged(c.page, kSubPage, c.removeMode, kRootDepth, kBackslash);
        EXPECT_EQ(changed.has_value(), c.expected != c.page);
        if (changed) {
            EXPECT_EQ(*changed, c.expected);
        }
    }
}

TEST(PageRewriter, AgreesWithTheSplitAndJoinRewriteOnRandomPages) {
    std::mt19937 random(1211);
    int edited = 0;
    for (int round = 0; round < 30000; ++round) {
        std::string page = rewriter_test::RandomHtmlishPage(random);
        if (round % 2 == 0) page = "<head>" + page;  // more pages with a head to edit
        for (bool removeMode : {kInsert, kRemove}) {
            const std::string fast = rewrite(page, removeMode);
            if (Module1::ContainsMaskPlaceholder(page)) {
                ASSERT_EQ(fast, page) << testing::PrintToString(page);
                continue;
            }
            ASSERT_EQ(fast, referenceRewrite(page, kSubPage, removeMode, kRootDepth, kBackslash))
                << "removeMode " << removeMode << " page " << testing::PrintToString(page);
            if (fast != page) ++edited;
        }
    }
    EXPECT_GT(edited, 5000);  // the generator really reaches the editing paths
}

TEST(PageRewriter, AgreesWithTheSplitAndJoinRewriteOnOperatorChainsInAReference) {
    // Whether a bracket inside a reference is an operator depends on the whole chain of blanks,
    // brackets and '=' around it.
    static constexpr char kChainBytes[] = {' ', '<', '>', '=', ' ', ' ', 'a'};
    std::mt19937 random(77);
    std::uniform_int_distribution<size_t> lengthDist(0, 40);
    std::uniform_int_distribution<size_t> byteDist(0, sizeof(kChainBytes) - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string chain(lengthDist(random), ' ');
        for (char& c : chain) c = kChainBytes[byteDist(random)];
        const std::string page =
            "<head>" + std::string(LinkMarker) + chain + "\">" + chain + "</head>" + chain;
        for (bool removeMode : {kInsert, kRemove}) {
            ASSERT_EQ(rewrite(page, removeMode),
                      referenceRewrite(page, kSubPage, removeMode, kRootDepth, kBackslash))
                << "removeMode " << removeMode << " page " << testing::PrintToString(page);
        }
    }
}

TEST(PageRewriter, ASecondRunChangesNothingAndRemoveUndoesInsert) {
    std::mt19937 random(4242);
    for (int round = 0; round < 20000; ++round) {
        const std::string page = "<head>" + rewriter_test::RandomHtmlishPage(random);
        const std::string inserted = rewrite(page, kInsert);
        ASSERT_EQ(rewrite(inserted, kInsert), inserted) << testing::PrintToString(page);
        // A page that had no reference of its own gets back every byte.
        if (inserted.size() == page.size() + kElement.size()) {
            ASSERT_EQ(rewrite(inserted, kRemove), page) << testing::PrintToString(page);
        }
    }
}

TEST(PageRewriter, FindsTagsAtEveryOffsetOfALongPage) {
    const std::string old = "<LINK REL=\"shortcut icon\" HREF=\"/favicon.ico\">";
    for (size_t pad = 0; pad < 80; ++pad) {
        SCOPED_TRACE(pad);
        const std::string filler(pad, 'r');  // 'r' and "re" also occur inside the marker
        const std::string text = std::string(1000, 'e') + filler;
        EXPECT_EQ(rewrite(text + "<Head>" + filler + old + "</HEAD>", kInsert),
                  text + "<Head>" + filler + kElement + "</HEAD>");
        const std::string blocked = text + "<head>" + filler + "</head>" + filler + old;
        EXPECT_EQ(rewrite(blocked, kInsert), blocked);
    }
}

TEST(PageRewriter, LongPagesAreCheckedToTheirLastByte) {
    const std::string head = "<head>\n</head>\n";
    const std::string old = "<link rel=\"SHORTCUT ICON\" href=\"x.ico\">";
    // Offsets around the places where work on a long page might be cut into pieces.
    for (size_t offset : {size_t{1}, size_t{65526}, size_t{65529}, size_t{131062}, size_t{65535},
                          size_t{65536}, size_t{131070}, size_t{131072}, size_t{300000}}) {
        SCOPED_TRACE(offset);
        const std::string before(offset, 'x');
        const std::string after(1000, 'y');
        const std::string plain = head + before + after;
        EXPECT_EQ(rewrite(plain, kInsert), "<head>" + kElement + plain.substr(6));

        const std::string withPlaceholder = head + before + "\x1b\x02" + after;
        EXPECT_EQ(rewrite(withPlaceholder, kInsert), withPlaceholder);
        const std::string withReference = head + before + old + after;
        EXPECT_EQ(rewrite(withReference, kInsert), withReference);
        const std::string removable = "<head>" + old + "</head>" + before + "\x1b\x04" + after;
        EXPECT_EQ(rewrite(removable, kRemove), removable);
    }
}

TEST(PageRewriter, ALongPageKeepsTheWindowResponsive) {
    const std::string page = "<head></head>" + std::string(size_t{4} << 20, 'x');
    testsupport::CountingEventPump pump;
    const std::string result = RewritePage(page, kSubPage, kInsert, kRootDepth, kBackslash, &pump);
    EXPECT_EQ(result.size(), page.size() + kElement.size());
    EXPECT_GE(pump.yields, 8) << "a 4 MB page is handled in one go";
}

}  // namespace
