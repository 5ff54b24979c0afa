#include "app/ExampleApplication.h"

#include "support/GameTest.h"

#include <OgreResourceGroupManager.h>

#include <filesystem>
#include <fstream>

namespace
{
RecordingPlatform quietPlatform;

// Reads resources.cfg from a folder of the test's own.
class LocationsOnly : public ExampleApplication
{
public:
    explicit LocationsOnly(const std::string& folder) : ExampleApplication(quietPlatform)
    {
        resourcePath = folder;
    }
    void makeFrameListener() override {}
    void buildScene() override {}
};

std::vector<std::string> locationsOf(const std::string& group)
{
    std::vector<std::string> names;
    for (const auto& location :
         Ogre::ResourceGroupManager::getSingleton().getResourceLocationList(group))
        names.push_back(location.archive->getName());
    return names;
}
} // namespace

TEST(ResourceLocations, EachSectionIsAGroupWithTabColonOrEqualsSeparators)
{
    WindowlessEngine engine;
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(testing::TempDir()) / "fishtank_locations";
    fs::remove_all(folder);
    for (const char* name : {"a", "b", "c", "d"})
        fs::create_directories(folder / name);
    std::ofstream(folder / "resources.cfg")
        << "[Water]\n"
        << "FileSystem=" << (folder / "a").string() << "\n"
        << "  FileSystem :  " << (folder / "b").string() << "  \n"
        << "[Sand]\n"
        << "FileSystem\t" << (folder / "c").string() << "\n"
        << "FileSystem=" << (folder / "d").string() << "\n";

    LocationsOnly app(folder.string() + "/");
    app.addResourceLocations();

    EXPECT_EQ(locationsOf("Water"),
              (std::vector<std::string>{(folder / "a").string(), (folder / "b").string()}));
    EXPECT_EQ(locationsOf("Sand"),
              (std::vector<std::string>{(folder / "c").string(), (folder / "d").string()}));
}

TEST(ResourceLocations, AMissingFileIsAnEngineError)
{
    WindowlessEngine engine;
    LocationsOnly app(testing::TempDir() + "no_such_folder/");
    EXPECT_THROW(app.addResourceLocations(), Ogre::Exception);
}
