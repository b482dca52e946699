#pragma once
class TObject { public: virtual ~TObject() = default; };
