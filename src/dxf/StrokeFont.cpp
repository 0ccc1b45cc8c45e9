#include "dxf/StrokeFont.h"

extern "C" {
#include <hersheyfont.h>
}

#include <memory>

const TStrokeFont* TStrokeFont::Get() {
    static const std::unique_ptr<TStrokeFont> font = []() -> std::unique_ptr<TStrokeFont> {
        hershey_font* hf = hershey_font_load("futural");
        if (hf == nullptr)
            return nullptr;
        std::unique_ptr<TStrokeFont> f(new TStrokeFont);
        for (int c = 32; c < 127; ++c) {
            const hershey_glyph* g = hershey_font_glyph(hf, static_cast<unsigned char>(c));
            if (g == nullptr || g->width == 0)
                continue;
            f->m_advance[c] = g->width;
            for (const hershey_path* p = g->paths; p != nullptr; p = p->next) {
                TStroke stroke;
                for (int i = 0; i < p->nverts; ++i)
                    stroke.push_back(
                        {static_cast<double>(p->verts[i].x), static_cast<double>(p->verts[i].y)});
                f->m_glyphs[c].push_back(std::move(stroke));
            }
        }
        hershey_font_free(hf);
        if (f->m_advance[static_cast<unsigned char>('?')] <= 0)
            return nullptr;
        return f;
    }();
    return font.get();
}

double TStrokeFont::Width(const std::string& text) const {
    double w = 0;
    for (char c : text)
        w += Advance(static_cast<unsigned char>(c));
    return w;
}
