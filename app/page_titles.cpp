#include "app/page_titles.h"

#include <array>
#include <charconv>

namespace nizam {

namespace {

// Index n - 1 holds the title of Form<n>, from the heading the page shows.
constexpr std::array<std::string_view, 41> kTitles = {
    "القائمة الرئيسية",                    // Form1: main menu
    "دراسة وإنجاز نظام آلي",               // Form2: title screen
    "الوضعية الإشكالية",                   // Form3
    "التعرف على بعض أجهزة الإنذار",        // Form4
    "التعبير عن الحاجة",                   // Form5
    "الحاجة والمنتوج المادي",              // Form6
    "الحاجة والمنتوج ووظائفه",             // Form7
    "الوظيفة الخدمية والوظيفة التقنية",    // Form8
    "المؤسسة والسوق",                      // Form9
    "الترميز اللوني للمقاومات",            // Form10
    "بعض المركبات الإلكترونية",            // Form11
    "نموذج للإجابة عن الأسئلة",            // Form12
    "كيف أجيب عن الأسئلة؟",                // Form13: help
    "منهجية المشروع الصناعي",              // Form14
    "مفاهيم أساسية",                       // Form15
    "الأنظمة الآلية",                      // Form16
    "دورة حياة المنتوج",                   // Form17
    "تحليل الحاجة إلى منتوج",              // Form18
    "مخطط وظائف القلم الجاف",              // Form19
    "جدول المقارنة",                       // Form20
    "إنجاز جدول المقارنة",                 // Form21
    "إدراك الحاجة",                        // Form22
    "تفريغ الاستبيان",                     // Form23
    "إقرار الحاجة",                        // Form24
    "تحديد الوظائف",                       // Form25
    "إقرار الوظائف",                       // Form26
    "خصائص الوظائف",                       // Form27
    "ترتيب الوظائف",                       // Form28
    "دفتر الشروط الوظيفي",                 // Form29
    "ملاحظة بعض الأنظمة",                  // Form30
    "تصنيف الأنظمة",                       // Form31
    "الوظيفة الإجمالية",                   // Form32
    "التمثيل الوظيفي للنظام",              // Form33
    "المنفذات والملتقطات والمنفعلات",      // Form34
    "نظام آلي لملء القارورات",             // Form35
    "نظام آلي للثقب",                      // Form36
    "نظام آلي لضخ الماء",                  // Form37
    "نظام ضخ الماء: تحليل الحاجة",         // Form38
    "نظام ضخ الماء: مخطط الوظائف",         // Form39
    "نظام ضخ الماء: جدول المقارنة",        // Form40
    "مصطلحات أساسية",                      // Form41: basic terms
};

}  // namespace

std::string_view pageTitle(std::string_view screen) {
    constexpr std::string_view prefix = "Form";
    if (screen.size() <= prefix.size() || screen.substr(0, prefix.size()) != prefix) return {};
    const std::string_view digits = screen.substr(prefix.size());
    if (digits.front() == '0') return {};
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || n < 1 || n > 41) return {};
    return kTitles[static_cast<std::size_t>(n - 1)];
}

std::string windowTitle(std::string_view screen) {
    std::string title(kProgramName);
    if (const std::string_view page = pageTitle(screen); !page.empty()) {
        title += " — ";
        title += page;
    }
    return title;
}

}  // namespace nizam
