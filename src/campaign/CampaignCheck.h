#pragma once
// The data check of campaign folders: loads a campaign as a new game would, without pictures or
// sounds, and lists every problem a data author should fix as FILE:SECTION:KEY: message (FILE
// relative to the game root): names of locations, fleet systems and destinations, classes, races
// and wormhole ends that refer to nothing; ship and planet lines that cannot be read; a map
// without the player's fleet ("FLEET1").
#include <string>
#include <vector>

namespace sw {

// Checks one campaign folder of the game root (a folder below data, as campaigns.adf names it,
// such as "tutorial\"), under the title the index gives it.
std::vector<std::string> CheckCampaignFolder(const std::string& root, const std::string& campaignFolder,
                                             const std::string& title = "");
// Checks every campaign that data/campaigns.adf lists.
std::vector<std::string> CheckCampaigns(const std::string& root);

}  // namespace sw
