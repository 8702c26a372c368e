#pragma once
namespace sw { class TWeapon { public: virtual ~TWeapon() = default; }; }
