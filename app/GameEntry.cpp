#include "app/GameEntry.h"

#include "app/ExampleApplication.h"
#include "platform/Platform.h"
#include "platform/QuitSignals.h"

#include <OIS.h>
#include <OgreException.h>
#include <OgreLogManager.h>

#include <iostream>

#include <exception>
#include <string>
#include <system_error>

namespace
{
std::string orNothing(const char* text)
{
    return text != nullptr ? text : "";
}

void report(ExampleApplication& app, Platform& platform, const std::string& text)
{
    // The box needs the keyboard and mouse the game has grabbed, and a signal must be
    // able to end the program while the box waits.
    app.releaseInput();
    removeQuitSignals();
    try
    {
        // The box shows the error alone; what was kept goes to standard error and the log,
        // and the next start shows it.
        const std::string kept = app.keepProgress();
        app.noteError();
        if (!kept.empty())
        {
            std::cerr << "fishtank: " << kept << std::endl;
            if (Ogre::LogManager* logs = Ogre::LogManager::getSingletonPtr())
                logs->logMessage(kept);
        }
    }
    catch (...)
    {
        // The box matters more: the error it shows is the one that ended the game.
    }
    platform.showError(kErrorCaption, text);
}
} // namespace

int runReportingErrors(ExampleApplication& app, Platform& platform)
{
    try
    {
        app.run();
    }
    catch (const Ogre::Exception& error)
    {
        report(app, platform, error.getFullDescription());
    }
    catch (const OIS::Exception& error)
    {
        report(app, platform,
               "Input error: " + orNothing(error.eText) + " (" + orNothing(error.eFile) + " line " +
                   std::to_string(error.eLine) + ")");
    }
    catch (const std::bad_alloc&)
    {
        report(app, platform, "The game ran out of memory.");
    }
    catch (const std::system_error& error)
    {
        report(app, platform,
               std::string("The system refused the game something it needs (") + error.what() +
                   "); a memory or process limit may be too tight.");
    }
    catch (const std::exception& error)
    {
        report(app, platform, std::string("The game stopped on an error: ") + error.what());
    }
    catch (...)
    {
        report(app, platform, "The game stopped on an error of unknown kind.");
    }
    return 0;
}
