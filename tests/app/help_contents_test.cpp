#include "app/help_contents.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::TempDir;
using testing::write_file;

TEST(HelpContentsTest, TheHelpFileIsPreferredThenTheHtmlPageBesideItWhichIsAlsoThePage) {
    struct Row {
        bool hlp, html;
        const char* opened;  // relative to the package, "" for none
    };
    const Row rows[] = {{true, true, "help_win\\qorplot.hlp"},
                        {true, false, "help_win\\qorplot.hlp"},
                        {false, true, "help_win\\qorplot.html"},
                        {false, false, ""}};
    for (const Row& row : rows) {
        TempDir dir;
        if (row.hlp) write_file(dir / "help_win/qorplot.hlp", "hlp");
        if (row.html) write_file(dir / "help_win/QORPLOT.HTML", "<html></html>");
        std::string root = to_package_path(dir.path()) + "\\";
        HelpContents contents = help_contents(root + "help_win\\qorplot.hlp");
        EXPECT_EQ(contents.page, row.html ? root + "help_win\\qorplot.html" : "");
        if (*row.opened != '\0') {
            EXPECT_EQ(contents.file, root + row.opened);
            EXPECT_FALSE(contents.missing.has_value());
        } else {
            EXPECT_EQ(contents.file, "");
            ASSERT_TRUE(contents.missing.has_value());
            EXPECT_EQ(contents.missing->caption, "HELP file not found");
            EXPECT_EQ(contents.missing->text(),
                      "Could not find the help file=" + root + "help_win\\qorplot.hlp\n" +
                          "nor the help page=" + root + "help_win\\qorplot.html");
        }
    }
}

}  // namespace
}  // namespace qor
