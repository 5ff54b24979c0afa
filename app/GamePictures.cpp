#include "app/GamePictures.h"

#include <OgreException.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgrePixelFormat.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <algorithm>
#include <set>
#include <string>

namespace
{
Ogre::uint32 mipmapCount(Ogre::uint32 width, Ogre::uint32 height)
{
    Ogre::uint32 count = 0;
    for (Ogre::uint32 size = std::max(width, height); size > 1; size /= 2)
        ++count;
    return count;
}

// Every 2-D picture the materials name, with its group.
std::set<std::pair<std::string, std::string>> materialPictures()
{
    std::set<std::pair<std::string, std::string>> pictures;
    auto materials = Ogre::MaterialManager::getSingleton().getResourceIterator();
    while (materials.hasMoreElements())
    {
        auto material = Ogre::static_pointer_cast<Ogre::Material>(materials.getNext());
        for (Ogre::Technique* technique : material->getTechniques())
            for (Ogre::Pass* pass : technique->getPasses())
                for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                    if (!unit->getTextureName().empty() &&
                        unit->getTextureType() == Ogre::TEX_TYPE_2D)
                        pictures.insert({unit->getTextureName(), material->getGroup()});
    }
    return pictures;
}
} // namespace

Ogre::Image withMipmaps(const Ogre::Image& picture)
{
    const Ogre::uint32 width = picture.getWidth(), height = picture.getHeight();
    const Ogre::uint32 levels = mipmapCount(width, height);
    Ogre::Image chain;
    chain.create(picture.getFormat(), width, height, 1, 1, levels);
    Ogre::PixelUtil::bulkPixelConversion(picture.getPixelBox(), chain.getPixelBox(0, 0));
    for (Ogre::uint32 level = 1; level <= levels; ++level)
        Ogre::Image::scale(chain.getPixelBox(0, level - 1), chain.getPixelBox(0, level),
                           Ogre::Image::FILTER_BILINEAR);
    return chain;
}

void loadGamePictures()
{
    Ogre::TextureManager& textures = Ogre::TextureManager::getSingleton();
    for (const auto& [name, group] : materialPictures())
    {
        // Naming a picture in a material makes its texture, still unloaded; one loaded
        // already, or one the engine does not know, is left to the engine.
        Ogre::TexturePtr texture = textures.getByName(name, group);
        if (!texture || texture->isLoaded())
            continue;
        try
        {
            if (texture->getNumMipmaps() == 0)
            {
                texture->load();
                continue;
            }
            Ogre::Image picture;
            picture.load(name, group);
            texture->loadImage(withMipmaps(picture));
        }
        catch (const Ogre::Exception& error)
        {
            // The engine would draw its warning pattern in its place and play on.
            OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND,
                        "The game's picture " + name + " cannot be used: " + error.getDescription(),
                        "loadGamePictures");
        }
    }
}
