#include "BaselineLook.h"

#include <Ogre.h>

#include <set>

namespace
{
struct TexturePicture
{
    Ogre::TextureUnitState* unit;
    std::string tuned;    // the texture as the game loads it
    std::string baseline; // the same picture in its file's own format, with every mip-map
};

// The player's fish and every other fish in the tank.
std::vector<Fish*> tankFish(TankRecords& tank)
{
    std::vector<Fish*> fishes = {&tank.player};
    for (Fish& fish : tank.fishes)
        fishes.push_back(&fish);
    return fishes;
}

// Every picture set in the tank, the hidden pictures of the fish among them.
std::vector<Ogre::BillboardSet*> tankSets(TankRecords& tank)
{
    std::vector<Ogre::BillboardSet*> sets = {tank.background.set, tank.leftSide.set,
                                             tank.rightSide.set};
    sets.push_back(static_cast<Ogre::BillboardSet*>(tank.hookNode->getAttachedObject(0)));
    for (Fish* fish : tankFish(tank))
    {
        sets.push_back(fish->leftSet);
        sets.push_back(fish->rightSet);
    }
    return sets;
}

// Every pass of the tank's materials, once each (fish of a kind share theirs).
std::vector<Ogre::Pass*> tankPasses(TankRecords& tank)
{
    std::set<Ogre::Pass*> passes;
    for (Ogre::BillboardSet* set : tankSets(tank))
        for (Ogre::Technique* technique : set->getMaterial()->getTechniques())
            for (Ogre::Pass* pass : technique->getPasses())
                passes.insert(pass);
    return {passes.begin(), passes.end()};
}

std::string baselineTexture(const Ogre::TexturePtr& texture)
{
    const std::string alias = "baseline:" + texture->getName();
    Ogre::TextureManager& textures = Ogre::TextureManager::getSingleton();
    if (!textures.resourceExists(alias, texture->getGroup()))
    {
        Ogre::Image image;
        image.load(texture->getName(), texture->getGroup());
        textures.loadImage(alias, texture->getGroup(), image);
    }
    return alias;
}
} // namespace

BaselineLook::BaselineLook(TankRecords& tank, Ogre::RenderWindow& window)
{
    addSwitches(tank, window);
}

std::string BaselineLook::name(std::size_t look) const
{
    if (look == 0)
        return "game";
    if (look == baselineIndex())
        return "baseline";
    return "without_" + switches[look - 1].name;
}

void BaselineLook::apply(std::size_t look)
{
    for (std::size_t i = 0; i < switches.size(); ++i)
    {
        const bool tuned = look == 0 || (look != baselineIndex() && look != i + 1);
        switches[i].set(tuned);
    }
}

void BaselineLook::addSwitch(const std::string& name, std::function<void(bool tuned)> set)
{
    switches.push_back({name, std::move(set)});
}

void BaselineLook::addSwitches(TankRecords& tank, Ogre::RenderWindow& window)
{
    // The fish's pictures that face away sat behind the backdrop, drawn and hidden.
    const std::vector<Fish*> fishes = tankFish(tank);
    switches.push_back({"hidden_pictures_skipped", [fishes](bool tuned)
                        {
                            for (Fish* fish : fishes)
                            {
                                const bool facesLeft = fish->direction <= 0;
                                fish->leftSet->setVisible(!tuned || facesLeft);
                                fish->rightSet->setVisible(!tuned || !facesLeft);
                            }
                        }});

    // Every picture was depth tested, the opaque ones wrote depth, the side panels were
    // drawn with the water, and the depth buffer was cleared before every frame.
    const std::vector<Ogre::Pass*> passes = tankPasses(tank);
    struct DepthState
    {
        Ogre::Pass* pass;
        bool check, write;
    };
    std::vector<DepthState> depths;
    for (Ogre::Pass* pass : passes)
        depths.push_back({pass, pass->getDepthCheckEnabled(), pass->getDepthWriteEnabled()});
    Ogre::BillboardSet* sides[] = {tank.leftSide.set, tank.rightSide.set};
    const Ogre::uint8 sideQueue = tank.leftSide.set->getRenderQueueGroup();
    Ogre::Viewport* viewport = window.getViewport(0);
    const unsigned clearBuffers = viewport->getClearBuffers();
    switches.push_back(
        {"no_depth_buffer", [depths, sides, sideQueue, viewport, clearBuffers](bool tuned)
         {
             for (const DepthState& depth : depths)
             {
                 depth.pass->setDepthCheckEnabled(tuned ? depth.check : true);
                 depth.pass->setDepthWriteEnabled(tuned ? depth.write
                                                        : !depth.pass->isTransparent());
             }
             for (Ogre::BillboardSet* side : sides)
                 side->setRenderQueueGroup(tuned ? sideQueue
                                                 : Ogre::uint8(Ogre::RENDER_QUEUE_MAIN));
             viewport->setClearEveryFrame(
                 true, tuned ? clearBuffers : unsigned(Ogre::FBT_COLOUR | Ogre::FBT_DEPTH));
         }});

    // The water was smoothed between four texels (the game samples plainly where the
    // renderer works in software).
    struct Filtering
    {
        Ogre::TextureUnitState* unit;
        Ogre::FilterOptions min, mag, mip;
    };
    std::vector<Filtering> water;
    for (Ogre::Pass* pass : tank.background.set->getMaterial()->getTechnique(0)->getPasses())
        for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
            water.push_back({unit, unit->getTextureFiltering(Ogre::FT_MIN),
                             unit->getTextureFiltering(Ogre::FT_MAG),
                             unit->getTextureFiltering(Ogre::FT_MIP)});
    switches.push_back({"plain_water_sampling", [water](bool tuned)
                        {
                            for (const Filtering& filtering : water)
                            {
                                if (tuned)
                                    filtering.unit->setTextureFiltering(
                                        filtering.min, filtering.mag, filtering.mip);
                                else
                                    filtering.unit->setTextureFiltering(Ogre::TFO_BILINEAR);
                            }
                        }});

    // Every picture came in its file's own format with a full chain of mip-maps.
    std::vector<TexturePicture> pictures;
    for (Ogre::Pass* pass : passes)
        for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
            if (!unit->getTextureName().empty())
                pictures.push_back(
                    {unit, unit->getTextureName(), baselineTexture(unit->_getTexturePtr())});
    switches.push_back({"texture_formats", [pictures](bool tuned)
                        {
                            for (const TexturePicture& picture : pictures)
                            {
                                picture.unit->setTextureName(tuned ? picture.tuned
                                                                   : picture.baseline);
                            }
                        }});
}
