// The page's windows: a dialog framed as the desktop frames it, with its
// title bar, keys and long press, and the message box.
mergeInto(LibraryManager.library, {
  $Windows__deps: ['$Page', '$Menu'],
  $Windows: {
    // The title bar's icon, as the page's style draws it, and the page's
    // own, as its link in the page's head has it.
    captionIconSize: 16,
    pageIconSize: 32,
    // A finger held still on the window's face for a while opens its menu
    // where it is, as iOS sends no contextmenu for it; the click its
    // release may bring is not a click. Fields keep their own long press,
    // which offers to paste, and the open menu its own.
    longPressMs: 500,
    // CSS pixels a finger may wander while it is held still.
    longPressSlop: 10,

    windowOf: function(element) {
      return element.closest('dialog.window');
    },

    // The window's default push button, pressed by Enter.
    defaultButton: function(window) {
      return window.querySelector('button.default');
    },

    onKeyDown: function(window, event) {
      const handle = window.vidadHandle;
      if (event.key === 'Escape') {
        event.preventDefault();
        Page.post('web::kCommandEvent', handle, Page.number('kIdCancel'));
      } else if (event.key === 'Enter') {
        // Enter presses the push button that has the focus, else the
        // default one, as the dialog manager does.
        const focused = event.target.closest('button[data-id]');
        const button =
            focused && window.contains(focused) ? focused : Windows.defaultButton(window);
        if (button) {
          event.preventDefault();
          Page.post('web::kCommandEvent', handle, Number(button.dataset.id));
        }
      } else if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
        event.preventDefault();
        const box = event.target.getBoundingClientRect();
        Menu.ask(handle, box.left + box.width / 2, box.top + box.height / 2);
      }
    },

    watchLongPress: function(window, handle) {
      let press = null;
      const cancel = () => {
        if (press) {
          clearTimeout(press.timer);
          press = null;
        }
      };
      window.addEventListener('pointerdown', (event) => {
        cancel();
        window.vidadLongPressed = false;
        if (event.pointerType === 'mouse' || !event.isPrimary ||
            event.target.closest('input, .menu')) {
          return;
        }
        const x = event.clientX;
        const y = event.clientY;
        press = {x, y, timer: setTimeout(() => {
          press = null;
          window.vidadLongPressed = true;
          Menu.ask(handle, x, y);
        }, Windows.longPressMs)};
      });
      window.addEventListener('pointermove', (event) => {
        const moved = press && Math.hypot(event.clientX - press.x, event.clientY - press.y);
        if (moved > Windows.longPressSlop) {
          cancel();
        }
      });
      window.addEventListener('pointerup', cancel);
      window.addEventListener('pointercancel', cancel);
      window.addEventListener('click', (event) => {
        if (window.vidadLongPressed) {
          window.vidadLongPressed = false;
          event.stopImmediatePropagation();
          event.preventDefault();
        }
      }, true);
    },
  },

  vidad_create_window__deps: ['$Page', '$Layout', '$Menu', '$Windows'],
  vidad_create_window: function(templateId, modal, clientWidth, clientHeight, pixelSize) {
    const window = document.createElement('dialog');
    window.className = 'window';
    window.dataset.template = templateId;
    window.innerHTML = '<div class="titlebar"><span class="icon hit" hidden><img alt=""></span>' +
        '<span class="caption"></span>' +
        '<button type="button" class="close hit" tabindex="-1" aria-label="关闭">✕</button>' +
        '</div>' +
        '<div class="client"></div>';
    const caption = window.querySelector('.caption');
    caption.id = 'caption-' + templateId;
    window.setAttribute('aria-labelledby', caption.id);
    const client = window.querySelector('.client');
    client.style.width = clientWidth + 'px';
    client.style.height = clientHeight + 'px';
    client.style.font = Page.font(pixelSize);
    const handle = Page.add(window);
    window.vidadModal = !!modal;
    window.addEventListener('keydown', (event) => Windows.onKeyDown(window, event));
    window.addEventListener('cancel', (event) => event.preventDefault());
    window.querySelector('.close').addEventListener(
        'click', () => Page.post('web::kSystemCommandEvent', handle, Page.number('sc::kClose')));
    // A click on the window's face leaves the focus where it is, as a
    // dialog's background takes no focus.
    window.addEventListener('mousedown', (event) => {
      if (!event.target.closest('button, input, [role=menuitem]')) {
        event.preventDefault();
      }
    });
    window.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      Menu.ask(handle, event.clientX, event.clientY);
    });
    Windows.watchLongPress(window, handle);
    // The title bar's icon opens the window menu under it; a click beside
    // a field, on its hit area, puts the focus in it.
    window.addEventListener('click', (event) => {
      const button = event.target.closest('button[data-id]');
      const icon = event.target.closest('.titlebar .icon');
      const field = event.target.closest('.field');
      if (button && window.contains(button)) {
        Page.post('web::kCommandEvent', handle, Number(button.dataset.id));
      } else if (icon) {
        const at = Layout.box(icon);
        Menu.ask(handle, at.left, Layout.box(icon.parentElement).bottom);
      } else if (field && event.target === field) {
        field.querySelector('input').focus();
      }
    });
    document.getElementById('desktop').append(window);
    return handle;
  },

  vidad_show_window__deps: ['$Page', '$Layout'],
  vidad_show_window: function(handle) {
    const window = Page.elements[handle];
    if (window.vidadModal) {
      window.showModal();
    } else {
      window.show();
    }
    Layout.arrange();
    Page.mark('vidad-dialog-shown');
    if (window.vidadFocus) {
      window.vidadFocus.focus();
    }
  },

  // The icon of a window's title bar, and of the page for the application
  // window; or the image an icon control shows.
  vidad_set_window_icon__deps: ['$Page', '$Windows'],
  vidad_set_window_icon: function(handle, iconId) {
    const element = Page.elements[handle];
    if (element instanceof HTMLImageElement) {
      element.src = Page.iconUrl(iconId, Page.number('kIconSize'));
      return;
    }
    const icon = element.querySelector('.titlebar .icon');
    icon.firstChild.src = Page.iconUrl(iconId, Windows.captionIconSize);
    icon.hidden = false;
    if (!element.vidadModal) {
      document.querySelector('link[rel=icon]').href = Page.iconUrl(iconId, Windows.pageIconSize);
    }
  },

  vidad_message_box__deps: ['$Page', '$Layout'],
  vidad_message_box: function(text, length, caption, captionLength) {
    const box = document.createElement('dialog');
    box.className = 'window message';
    box.setAttribute('role', 'alertdialog');
    box.innerHTML = '<div class="titlebar"><span class="caption"></span></div>' +
        '<div class="body"><p class="text"></p>' +
        '<button type="button" class="default hit">确定</button></div>';
    const ok = Page.number('kIdOk');
    const button = box.querySelector('button');
    button.dataset.id = ok;
    const name = Page.text(caption, captionLength);
    box.querySelector('.caption').textContent = name;
    box.setAttribute('aria-label', name);
    box.querySelector('.text').textContent = Page.text(text, length);
    const handle = Page.add(box);
    box.addEventListener('cancel', (event) => event.preventDefault());
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' || event.key === 'Escape') {
        event.preventDefault();
        Page.post('web::kCommandEvent', handle,
            event.key === 'Enter' ? ok : Page.number('kIdCancel'));
      }
    });
    button.addEventListener('click', () => Page.post('web::kCommandEvent', handle, ok));
    document.getElementById('desktop').append(box);
    box.showModal();
    Layout.arrange();
    button.focus();
    return handle;
  },
});
