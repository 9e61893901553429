#include "DeclaredEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DeclaredEncoding, ReadsTheXmlDeclarationOrAnHtmlContentType)
{
    struct Case {
        std::u16string_view text;
        std::u16string_view encoding;
    };
    const Case cases[] = {
        {u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<r/>", u"UTF-8"},
        {u"<?xml version='1.0' encoding='iso-8859-1'?><r/>", u"iso-8859-1"},
        {u"<?XML ENCODING='gbk'?><r/>", u"gbk"},
        {u"<?xml version=\"1.0\" encoding=\"a&amp;b\"?>", u"a&amp;b"},  // raw, not decoded
        {u"<?xml version=\"1.0\"?><r/>", u""},
        {u" <?xml version=\"1.0\" encoding=\"UTF-8\"?>", u""},  // not at the very start
        {u"<r encoding='UTF-8'/>", u""},
        {u"", u""},
        {u"<!DOCTYPE html><html><head><title>t</title>"
         u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"></head></html>",
         u"gb2312"},
        {u"<html><head><META HTTP-EQUIV='content-type' CONTENT='text/html;Charset=big5'></head>", u"big5"},
        {u"<?php echo 1; ?><html><head><meta http-equiv='Content-Type' content='text/html; charset=koi8-r'>",
         u"koi8-r"},
        {u"<html><head><meta http-equiv='refresh' content='charset=x'>"
         u"<meta http-equiv='Content-Type' content='text/html; charset=y'>",
         u"y"},
        {u"<html><head></head><meta http-equiv='Content-Type' content='text/html; charset=gbk'>", u""},
        {u"<body><meta http-equiv='Content-Type' content='text/html; charset=gbk'>", u""},
        {u"<html><head><!x><meta http-equiv='Content-Type' content='text/html; charset=gbk'>", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeclaredEncoding(c.text), c.encoding) << std::string(c.text.begin(), c.text.end());
}

}  // namespace
