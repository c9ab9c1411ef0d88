// CairoOwner: the one owner type of every Cairo object the drawing code
// makes (contexts, surfaces, patterns, font faces, scaled fonts, regions,
// copied paths), freeing
// each with its own destroy call.
#pragma once

#include <cairo.h>

#include <memory>

namespace kx {

template <class T>
struct CairoDestroy;

template <>
struct CairoDestroy<cairo_t> {
    void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
};
template <>
struct CairoDestroy<cairo_surface_t> {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
template <>
struct CairoDestroy<cairo_pattern_t> {
    void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
template <>
struct CairoDestroy<cairo_font_face_t> {
    void operator()(cairo_font_face_t* face) const { cairo_font_face_destroy(face); }
};
template <>
struct CairoDestroy<cairo_scaled_font_t> {
    void operator()(cairo_scaled_font_t* font) const { cairo_scaled_font_destroy(font); }
};

template <>
struct CairoDestroy<cairo_region_t> {
    void operator()(cairo_region_t* region) const { cairo_region_destroy(region); }
};
template <>
struct CairoDestroy<cairo_path_t> {
    void operator()(cairo_path_t* path) const { cairo_path_destroy(path); }
};

/// Owns one reference (a path: the copy); a null owner frees nothing.
template <class T>
using CairoOwner = std::unique_ptr<T, CairoDestroy<T>>;

} // namespace kx
