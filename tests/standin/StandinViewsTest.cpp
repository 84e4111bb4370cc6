#include "StandinObjectsTestSupport.h"

#include "standin/StandinViews.h"

#include <QDir>

using namespace objects_test;
using standin::ErrorCode;

TEST(StandinViews, TheContactViewReadsTheCurrentContactOnEveryCall) {
    testing_support::TempEnvironment env;
    standin::StandinViews views{standin::StateFile()};
    for (int type : {0, 2, 6})
        EXPECT_EQ(errorOf(views.Create(type, "")), code(ErrorCode::OutOfRange)) << type;
    const auto view = views.Create(1, "").value();
    EXPECT_EQ(view->GetCurrentId().value(), "");
    for (const std::string id : {"ID0000000001", "ID0000000002", ""}) {
        setState({{"current", id}});
        EXPECT_EQ(view->GetCurrentId().value(), id);
    }
    ASSERT_TRUE(QFile::remove(env.stateFile()) && QDir().mkpath(env.stateFile()));
    EXPECT_EQ(errorOf(view->GetCurrentId()), code(ErrorCode::StateUnreadable));
}
