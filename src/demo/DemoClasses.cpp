#include "demo/DemoClasses.h"

#include <cstdio>

namespace DemoClasses {

namespace {

// The tree in outline form, depth first. Level-1 entries carry the letters of
// their archive codes; leaves carry a name template and a weight.
struct Outline {
    int level;
    std::string_view name;
    std::string_view letters = {};
    std::string_view nameTemplate = {};
    int weight = 0;
};

constexpr Outline kOutline[] = {
    {1, "文书档案", "WS"},
    {2, "行政类"},
    {3, "发文", {}, "关于{T}工作的通知", 12},
    {3, "收文", {}, "{D}关于{T}的请示", 8},
    {3, "会议纪要", {}, "{Y}年第{N}次{T}专题会议纪要", 6},
    {2, "党群类"},
    {3, "党委文件", {}, "党委{Y}年{T}工作要点", 3},
    {3, "工会文件", {}, "工会{Y}年度{T}活动方案", 2},
    {1, "科技档案", "KJ"},
    {2, "科研项目"},
    {3, "立项材料", {}, "{T}项目（XM-{Y}-{K}）立项报告", 4},
    {3, "结题报告", {}, "{T}项目（XM-{Y}-{K}）结题报告", 3},
    {2, "产品设计"},
    {3, "设计图纸", {}, "DWG-{Q} {T}设计图纸 第{N}版", 5},
    {3, "技术标准", {}, "Q/DSR {K}-{Y} {T}技术规范", 2},
    {1, "会计档案", "KU"},
    {2, "会计凭证", {}, "{Y}年{M}月记账凭证（第{N}册）", 14},
    {2, "会计账簿", {}, "{Y}年度{D}明细账", 5},
    {2, "财务报告"},
    {3, "月度报告", {}, "{Y}年{M}月财务报表", 4},
    {3, "年度报告", {}, "{Y}年度财务决算报告", 1},
    {1, "人事档案", "RS"},
    {2, "在职人员", {}, "{P}个人人事档案", 6},
    {2, "离退休人员", {}, "{P}退休审批材料", 2},
    {1, "基建档案", "JJ"},
    {2, "工程项目"},
    {3, "设计文件", {}, "{B}施工图设计文件", 2},
    {3, "竣工验收", {}, "{B}竣工验收报告", 2},
    {1, "声像档案", "SX"},
    {2, "照片", {}, "{Y}年{T}活动照片", 3},
    {2, "录像", {}, "{Y}年{T}会议录像", 1},
    {1, "合同档案", "HT"},
    {2, "采购合同", {}, "{T}采购合同 HT-{Y}-{Q}", 6},
    {2, "销售合同", {}, "{C}销售合同 XS-{Y}-{Q}", 5},
};

std::string threeDigits(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", number);
    return text;
}

}

std::string childPath(std::string_view parentPath, std::string_view name)
{
    std::string path(parentPath);
    path += '\\';
    path += name;
    for (size_t at = path.find("\\\\\\"); at != std::string::npos; at = path.find("\\\\\\", at))
        path.erase(at, 1);
    return path;
}

std::vector<DemoClass> tree()
{
    std::vector<DemoClass> classes;
    // The last node seen at each level, and how many children it has so far.
    std::vector<const DemoClass*> ancestors;
    std::vector<int> childCount(1, 0);
    std::string letters;
    int leavesOfTopClass = 0;

    constexpr size_t kCount = sizeof kOutline / sizeof kOutline[0];
    classes.reserve(kCount);
    for (size_t i = 0; i < kCount; ++i) {
        const Outline& entry = kOutline[i];
        const size_t depth = static_cast<size_t>(entry.level);
        ancestors.resize(depth - 1);
        childCount.resize(depth, 0);
        const DemoClass* parent = ancestors.empty() ? nullptr : ancestors.back();

        DemoClass node;
        node.level = entry.level;
        node.name = std::string(entry.name);
        node.code = (parent ? parent->code : std::string()) + threeDigits(++childCount[depth - 1]);
        node.path = childPath(parent ? std::string_view(parent->path) : kRootPath, entry.name);
        node.leaf = i + 1 == kCount || kOutline[i + 1].level <= entry.level;
        if (entry.level == 1) {
            letters = std::string(entry.letters);
            leavesOfTopClass = 0;
        }
        if (node.leaf) {
            char prefix[16];
            std::snprintf(prefix, sizeof prefix, "%s%02d", letters.c_str(), ++leavesOfTopClass);
            node.codePrefix = prefix;
            node.nameTemplate = entry.nameTemplate;
            node.weight = entry.weight;
        }
        classes.push_back(std::move(node));
        ancestors.push_back(&classes.back());
        childCount.push_back(0);
    }
    return classes;
}

}
