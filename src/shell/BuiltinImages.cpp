#include "shell/BuiltinImages.h"

namespace sw {

namespace {
std::vector<TBuiltinImage> Named(std::initializer_list<const char*> names, TColor key) {
  std::vector<TBuiltinImage> out;
  for (const char* n : names) out.push_back({n, key});
  return out;
}
void Append(std::vector<TBuiltinImage>& to, const std::vector<TBuiltinImage>& more) {
  to.insert(to.end(), more.begin(), more.end());
}
}  // namespace

const std::vector<TBuiltinImage>& BuiltinImagesMain() {
  static const std::vector<TBuiltinImage> list = [] {
    std::vector<TBuiltinImage> l = Named({"start", "men_load", "dog", "credits", "men_options", "exit", "back"}, clRed);
    l.push_back({"cursor", clBlack});
    for (int i = 1; i <= 11; ++i) l.push_back({"op" + std::to_string(i), clRed});
    Append(l, Named({"op_controls", "ctl_defaults"}, clRed));
    Append(l, Named({"oppad_dz", "oppad_sens"}, clRed));
    Append(l, Named({"opa_l", "opa_r", "cont_but", "canc_but", "scroll_up", "scroll_down"}, clRed));
    return l;
  }();
  return list;
}

const std::vector<TBuiltinImage>& BuiltinImagesDF() {
  static const std::vector<TBuiltinImage> list =
      Named({"a_right", "a_left", "bback", "bstart", "plus", "minus", "AI", "noAI", "a_right_big", "a_left_big",
             "plus1", "minus1", "opa_l", "opa_r", "mod_selector",
             // the "Network" and "Replays" buttons, and the Network panel's plate and buttons
             "bnetwork", "breplays", "net_panel", "net_host", "net_join", "net_back"},
            clRed);
  return list;
}

const std::vector<TBuiltinImage>& BuiltinImagesM() {
  static const std::vector<TBuiltinImage> list =
      Named({"star1", "star2", "star3", "star4", "asteroid1", "asteroid2", "asteroid3", "asteroid4", "asteroid5",
             "man_alive", "man_alive_not", "man_marine", "cybernetic", "organic", "resiliant"},
            clBlack);
  return list;
}

const std::vector<TBuiltinImage>& BuiltinImagesMG() {
  static const std::vector<TBuiltinImage> list = [] {
    std::vector<TBuiltinImage> l;
    for (const char* c : {"Red", "White", "Blue", "Yellow", "Green", "Orange"}) l.push_back({std::string(c) + "_star", clBlack});
    for (const char* c : {"Red", "White", "Blue", "Yellow", "Green", "Orange"}) l.push_back({std::string(c) + "_big", clBlack});
    Append(l, Named({"speed0", "speed1", "speed2", "speed3", "but_small", "but_close", "scroll_up", "scroll_down",
                     "scroll_left", "scroll_right", "sb_icon", "der_icon", "respond", "but_small_res", "plus", "minus",
                     "launch", "debree", "bhole", "whole", "phenom", "bhole_icon", "whole_icon", "phenom_icon",
                     "map_p1", "map_p2", "map_p3", "map_p4"},
                    clBlack));
    for (auto& img : l)
      for (const char* red : {"speed0", "speed1", "speed2", "speed3", "but_small", "scroll_up", "scroll_down",
                              "scroll_left", "scroll_right", "plus", "minus", "launch", "map_p1", "map_p2", "map_p3",
                              "map_p4"})
        if (img.Name == red) img.Key = clRed;
    return l;
  }();
  return list;
}

}  // namespace sw
