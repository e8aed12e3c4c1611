#include "render/DrawingCache.hpp"

#include "platform/GameWindow.hpp"
#include "platform/ScreenLayout.hpp"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SFML/Window/Context.hpp>

namespace {

// The few calls of the graphics library used beside SFML: copying pixels straight from one
// framebuffer to another (many times cheaper than drawing the picture as a textured quad, which
// a software rasteriser shades pixel by pixel) and clipping. Looked up at run time, like SFML
// does, rather than linked.
using GetIntegers = void (*)(GLenum, GLint*);
using Switch = void (*)(GLenum);
using Scissor = void (*)(GLint, GLint, GLsizei, GLsizei);

struct FramebufferCopy {
    GetIntegers getIntegers = nullptr;
    Switch enable = nullptr;
    Switch disable = nullptr;
    Scissor scissor = nullptr;
    PFNGLGENFRAMEBUFFERSPROC generate = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC remove = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bind = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC attach = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC status = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blit = nullptr;

    bool available() const {
        return getIntegers && enable && disable && scissor && generate && remove && bind &&
               attach && status && blit;
    }
};

// Looked up once, with a context active.
const FramebufferCopy& framebufferCopy() {
    static const FramebufferCopy calls = [] {
        FramebufferCopy c;
        c.getIntegers = reinterpret_cast<GetIntegers>(sf::Context::getFunction("glGetIntegerv"));
        c.enable = reinterpret_cast<Switch>(sf::Context::getFunction("glEnable"));
        c.disable = reinterpret_cast<Switch>(sf::Context::getFunction("glDisable"));
        c.scissor = reinterpret_cast<Scissor>(sf::Context::getFunction("glScissor"));
        c.generate = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(
            sf::Context::getFunction("glGenFramebuffers"));
        c.remove = reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(
            sf::Context::getFunction("glDeleteFramebuffers"));
        c.bind = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(
            sf::Context::getFunction("glBindFramebuffer"));
        c.attach = reinterpret_cast<PFNGLFRAMEBUFFERTEXTURE2DPROC>(
            sf::Context::getFunction("glFramebufferTexture2D"));
        c.status = reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(
            sf::Context::getFunction("glCheckFramebufferStatus"));
        c.blit = reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(
            sf::Context::getFunction("glBlitFramebuffer"));
        return c;
    }();
    return calls;
}

} // namespace

sf::RenderTarget& LayerCache::start(const std::vector<int>& key, sf::Color background) {
    if (!texture_) {
        texture_ = std::make_unique<sf::RenderTexture>();
        texture_->create(layout::width, layout::height);
    }
    key_ = key;
    texture_->setView(texture_->getDefaultView());
    texture_->clear(background);
    return *texture_;
}

void LayerCache::finish() {
    texture_->display();
}

sf::Sprite LayerCache::part(const sf::IntRect& region) const {
    sf::Sprite sprite(texture_->getTexture(), region);
    sprite.setPosition(static_cast<float>(region.left), static_cast<float>(region.top));
    return sprite;
}

bool LayerCache::copyFramebuffer(sf::RenderTarget& target, const sf::IntRect& region) const {
    if (!target.setActive(true))
        return false;
    const FramebufferCopy& gl = framebufferCopy();
    if (!gl.available())
        return false;
    GLint read = 0;
    gl.getIntegers(GL_READ_FRAMEBUFFER_BINDING, &read);
    GLuint source = 0;
    gl.generate(1, &source);
    gl.bind(GL_READ_FRAMEBUFFER, source);
    gl.attach(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
              texture_->getTexture().getNativeHandle(), 0);
    const bool complete = gl.status(GL_READ_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (complete) {
        // Both pictures were drawn the same way up, so rows match: only y counts from the bottom.
        const GLint height = static_cast<GLint>(target.getSize().y);
        const GLint x0 = region.left, x1 = region.left + region.width;
        const GLint y0 = height - region.top - region.height, y1 = height - region.top;
        gl.blit(x0, y0, x1, y1, x0, y0, x1, y1, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    }
    gl.bind(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read));
    gl.remove(1, &source);
    return complete;
}

void LayerCache::copyTo(GameWindow& window, const sf::IntRect& region) const {
    if (copyFramebuffer(window.target(), region))
        return;
    const sf::View view = window.target().getView();
    window.setScreenView();
    window.draw(part(region), sf::RenderStates(sf::BlendNone));
    window.target().setView(view);
}

WindowClip::WindowClip(GameWindow& window, const sf::IntRect& region) : window_(window) {
    sf::RenderTarget& target = window.target();
    (void)target.setActive(true);
    const FramebufferCopy& gl = framebufferCopy();
    const GLint height = static_cast<GLint>(target.getSize().y);
    gl.enable(GL_SCISSOR_TEST);
    gl.scissor(region.left, height - region.top - region.height, region.width, region.height);
}

WindowClip::~WindowClip() {
    (void)window_.target().setActive(true);
    framebufferCopy().disable(GL_SCISSOR_TEST);
}

bool framebufferCopyAvailable(GameWindow& window) {
    return window.target().setActive(true) && framebufferCopy().available();
}
