#include "planning/planning.h"

#include <gtest/gtest.h>

using varnel::planning::planningFeeMessage;

namespace {

struct PlanningCase {
    std::string area;
    std::string unitPrice;
    std::string message;
};

class PlanningFee : public testing::TestWithParam<PlanningCase> {};

TEST_P(PlanningFee, AreaTimesUnitPrice) {
    EXPECT_EQ(planningFeeMessage(GetParam().area, GetParam().unitPrice), GetParam().message)
        << GetParam().area << " / " << GetParam().unitPrice;
}

const std::string tooSmall = "设计面积不能小于等于零！";
const std::string badPrice = "收费单价超标！";
const std::string range = "输入的数值超出计算范围！";

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanningFee,
    testing::Values(PlanningCase{"2", "15000", "您的设计收费为3万元"},
                    PlanningCase{"0.5", "12000", "您的设计收费为0.6万元"},
                    PlanningCase{"2公顷", "15000", tooSmall}, // read whole: no number
                    PlanningCase{"２", "15,000", "您的设计收费为3万元"},
                    PlanningCase{"1", "10000", "您的设计收费为1万元"},
                    PlanningCase{"1", "20000", "您的设计收费为2万元"}, PlanningCase{"1", "9999.99", badPrice},
                    PlanningCase{"1", "20000.01", badPrice}, PlanningCase{"1", "", badPrice},
                    PlanningCase{"0", "15000", tooSmall}, PlanningCase{"-1", "15000", tooSmall},
                    PlanningCase{"", "abc", tooSmall}, PlanningCase{"a", "", tooSmall},
                    PlanningCase{"1e400", "15000", range}, PlanningCase{"1", "1e400", range},
                    PlanningCase{"1e305", "20000", range},
                    PlanningCase{"0.001", "15000", "您的设计收费为0.0015万元"},
                    PlanningCase{"1e-7", "10000", "您的设计收费为1E-07万元"}));

} // namespace
