// The program's texts are GBK bytes: each one must be exactly the GBK encoding
// of its Chinese, converted here independently with iconv.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "ui/layouts.h"
#include "ui/texts.h"

namespace quorvel {
namespace {

std::string to_gbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  std::string in = utf8, out(utf8.size() * 2 + 4, '\0');
  char* src = in.data();
  char* dst = out.data();
  size_t src_left = in.size(), dst_left = out.size();
  EXPECT_NE(iconv(cd, &src, &src_left, &dst, &dst_left), static_cast<size_t>(-1));
  iconv_close(cd);
  out.resize(out.size() - dst_left);
  return out;
}

struct TextCase {
  const char* program_bytes;
  const char* utf8;
};

const TextCase kTexts[] = {
    {texts::kVersionLabel, "版本号："},
    {texts::kCheckButton, "一键检查更新"},
    {texts::kDeclineButton, "不了谢谢"},
    {texts::kUpdateButton, "立刻更新"},
    {texts::kIsCurrent, "您的IE浏览器已是最新版本！"},
    {texts::kIsNotCurrent, "您的IE浏览器不是最新版本！"},
    {texts::kMessageCaption, "信息："},
    {texts::kErrorCaption, "错误"},
    {texts::kLayoutsUnreadable, "无法读取窗口布局。"},
    {texts::kCheckerNotCreated, "无法创建主窗口。"},
    {texts::kOutOfMemory, "内存不足。"},
    {kLabel1, "标签1"},
    {kButton1, "按钮1"},
    {kEditBox1, "编辑框1"},
    {kButton2, "按钮2"},
};

TEST(Texts, AreTheGbkBytesOfTheirChinese) {
  for (const TextCase& c : kTexts) {
    EXPECT_EQ(to_gbk(c.utf8), std::string(c.program_bytes)) << c.utf8;
  }
}

TEST(Texts, MessageCaptionIsSixBytes) {
  EXPECT_EQ(std::string(texts::kMessageCaption).size(), 6u);
}

}  // namespace
}  // namespace quorvel
