#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Main windows keep their unsaved records in the user's state folder: the
// tests give them a folder of their own, never the user's. A child test
// works in the folder its parent gave it.
class StateFolderEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsSet("QLM_CHILD_TEST"))
            return;
        m_folder = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", m_folder->path().toLocal8Bit());
    }
    void TearDown() override { m_folder.reset(); }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

const ::testing::Environment *const stateFolder = ::testing::AddGlobalTestEnvironment(new StateFolderEnvironment);

} // namespace
