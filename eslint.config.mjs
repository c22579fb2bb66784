// The script of the page of `percorso view`: ES modules that the build joins
// into one script (see cmake/page_script.cmake), run in the browser.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['src/inspect/view_page/**/*.js'],
    languageOptions: {
      ecmaVersion: 2020,
      sourceType: 'module',
      globals: globals.browser,
    },
  },
];
