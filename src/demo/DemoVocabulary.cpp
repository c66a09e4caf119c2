#include "demo/DemoVocabulary.h"

namespace DemoVocabulary {

namespace {

constexpr std::string_view kDepartments[] = {
    "办公室", "财务部", "人力资源部", "技术研发部", "市场营销部",
    "生产管理部", "质量管理部", "工程部", "法务部", "档案室",
};

constexpr std::string_view kPeople[] = {
    "张伟", "王芳", "李娜", "刘洋", "陈静", "杨帆", "赵磊", "黄敏", "周杰",
    "吴婷", "徐强", "孙丽", "马超", "朱琳", "胡斌", "郭晓燕", "林涛", "何雪",
};

constexpr std::string_view kSecurityLevels[] = {"绝密", "机密", "秘密", "内部", "公开"};
constexpr int kSecurityLevelWeights[] = {2, 5, 10, 33, 50};

constexpr std::string_view kStoragePlaces[] = {
    "一号库房 A-01", "一号库房 A-02", "一号库房 A-03", "一号库房 B-01", "一号库房 B-02",
    "二号库房 C-01", "二号库房 C-02", "二号库房 D-05", "三号库房 E-01", "三号库房 E-04",
    "档案室 保密柜-1", "档案室 保密柜-2",
};

constexpr std::string_view kReminderTimes[] = {"08:30", "09:00", "10:00", "11:30", "14:00", "15:30", "17:00"};

constexpr std::string_view kReminderSubjects[] = {
    "借阅到期催还", "档案年度移交", "保管期限到期鉴定", "档案数字化扫描",
    "借阅审批", "档案销毁审核", "库房温湿度检查", "档案盘点",
};

constexpr std::string_view kTopics[] = {
    "预算编制", "安全生产", "信息化建设", "人员招聘", "设备采购", "质量体系认证", "办公用房调整",
    "节能减排", "合同管理", "档案整理", "项目验收", "年度考核", "员工培训", "保密检查",
    "车辆管理", "消防演练", "科技创新", "客户服务", "成本控制", "数据治理",
};

constexpr std::string_view kBuildings[] = {
    "研发中心大楼", "一号生产车间", "职工宿舍楼", "物流仓库", "污水处理站", "综合办公楼",
};

constexpr std::string_view kCustomers[] = {
    "华东电力公司", "江南机械厂", "恒通物流", "北方重工", "蓝海科技", "新世纪商贸",
};

constexpr std::string_view kArchiveRemarks[] = {
    "原件一份，复印件两份。", "已完成数字化扫描。", "部分页面字迹模糊，已做修复处理。",
    "保管期限：永久。", "保管期限：30年。", "保管期限：10年。", "含附件若干，见附件清单。",
    "与同类档案合并装盒。", "经部门负责人审核后归档。", "电子版另存于共享盘。",
    "Scanned at 300 dpi, PDF/A.", "移交清单编号见备注栏。",
};

constexpr std::string_view kLoanRemarks[] = {
    "", "", "查阅原件", "复印三页", "用于审计核对", "项目申报需要", "外借至分公司", "Copy for audit",
};

constexpr std::string_view kReminderDetails[] = {
    "请按时完成并登记结果。", "需部门负责人签字确认。", "完成后在系统中更新状态。",
    "涉及多个部门，请提前协调。", "", "See the attached checklist.",
};

}

std::span<const std::string_view> departments() { return kDepartments; }
std::span<const std::string_view> people() { return kPeople; }
std::span<const std::string_view> securityLevels() { return kSecurityLevels; }
std::span<const int> securityLevelWeights() { return kSecurityLevelWeights; }
std::span<const std::string_view> storagePlaces() { return kStoragePlaces; }
std::span<const std::string_view> reminderTimes() { return kReminderTimes; }
std::span<const std::string_view> reminderSubjects() { return kReminderSubjects; }
std::span<const std::string_view> topics() { return kTopics; }
std::span<const std::string_view> buildings() { return kBuildings; }
std::span<const std::string_view> customers() { return kCustomers; }
std::span<const std::string_view> archiveRemarks() { return kArchiveRemarks; }
std::span<const std::string_view> loanRemarks() { return kLoanRemarks; }
std::span<const std::string_view> reminderDetails() { return kReminderDetails; }

}
