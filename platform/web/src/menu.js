// The window menu: asked for at a place, built from the program's items,
// shown there and worked by pointer and keys.
mergeInto(LibraryManager.library, {
  $Menu__deps: ['$Page'],
  $Menu: {
    // Where the menu was asked for, until it is shown or given up.
    at: null,
    pending: null,
    shown: null,
    // The element that had the focus before the menu opened.
    back: null,

    ask: function(handle, x, y) {
      if (Menu.at) {
        return;
      }
      Menu.at = {x, y};
      Page.post('web::kContextMenuEvent', handle, 0);
    },

    // The focus goes back to the control that had it before the menu
    // opened, unless a click has put it elsewhere. Closing may blur the
    // menu's focused item, whose handler closes it again.
    close: function() {
      const menu = Menu.shown;
      const back = Menu.back;
      Menu.shown = null;
      Menu.back = null;
      Menu.at = null;
      if (!menu) {
        return;
      }
      const hadFocus = menu.contains(document.activeElement);
      menu.remove();
      if (back && (hadFocus || document.activeElement === document.body)) {
        back.focus();
      }
    },

    choose: function(window, item) {
      Menu.close();
      Page.post('web::kSystemCommandEvent', window, Number(item.dataset.command));
    },
  },

  vidad_menu_add__deps: ['$Page', '$Menu'],
  vidad_menu_add: function(handle, commandId, text, length) {
    let menu = Menu.pending;
    if (!menu) {
      menu = document.createElement('div');
      menu.className = 'menu';
      menu.setAttribute('role', 'menu');
      Menu.pending = menu;
    }
    if (commandId === 0) {
      const separator = document.createElement('div');
      separator.setAttribute('role', 'separator');
      menu.append(separator);
    } else {
      const item = document.createElement('div');
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      item.dataset.command = commandId >>> 0;
      // "&A" marks A as the item's access key: shown underlined.
      const label = Page.text(text, length);
      const mark = label.search(/&[^&]/);
      if (mark >= 0) {
        item.dataset.key = label[mark + 1].toLowerCase();
        item.append(label.slice(0, mark));
        const key = document.createElement('u');
        key.textContent = label[mark + 1];
        item.append(key, label.slice(mark + 2));
      } else {
        item.textContent = label;
      }
      menu.append(item);
    }
  },

  vidad_menu_show__deps: ['$Page', '$Layout', '$Menu'],
  vidad_menu_show: function(handle) {
    const menu = Menu.pending;
    Menu.pending = null;
    const at = Menu.at;
    if (!menu || !at) {
      Menu.at = null;
      return;
    }
    const window = Page.elements[handle];
    const items = [...menu.querySelectorAll('[role=menuitem]')];
    menu.addEventListener('click', (event) => {
      const item = event.target.closest('[role=menuitem]');
      if (item) {
        Menu.choose(handle, item);
      }
    });
    menu.addEventListener('keydown', (event) => {
      event.stopPropagation();
      const current = items.indexOf(document.activeElement);
      const chosen = items.find((item) => item.dataset.key === event.key.toLowerCase());
      if (event.key === 'Escape') {
        Menu.close();
      } else if (event.key === 'Enter' && current >= 0) {
        Menu.choose(handle, items[current]);
      } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
        items[(current + step) % items.length].focus();
      } else if (chosen) {
        Menu.choose(handle, chosen);
      }
      event.preventDefault();
    });
    menu.addEventListener('focusout', (event) => {
      if (!menu.contains(event.relatedTarget)) {
        Menu.close();
      }
    });
    Menu.shown = menu;
    Menu.back = document.activeElement;
    window.append(menu);
    Layout.placeMenu(menu, at.x, at.y);
    items[0].focus();
  },
});
